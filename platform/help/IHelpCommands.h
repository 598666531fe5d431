#pragma once

namespace peglore {

// Commands to the help viewer, on the application's help file.
class IHelpCommands {
public:
    static constexpr int ShowTopic = 1;  // data: a context number
    static constexpr int Quit = 2;  // data: 0
    static constexpr int ContextPopup = 8;  // data: a context number
    static constexpr int Contents = 11;  // data: 0

    virtual void HelpCommand(int command, int data) = 0;

protected:
    ~IHelpCommands() = default;
};

}  // namespace peglore
