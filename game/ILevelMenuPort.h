#pragma once

namespace peglore {

// The level menu's radio group.
class ILevelMenuPort {
public:
    // Puts the check mark on the item of level (0 to 3).
    virtual void CheckLevelItem(int level) = 0;

protected:
    ~ILevelMenuPort() = default;
};

}  // namespace peglore
