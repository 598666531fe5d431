#pragma once

#include <string>

#include "game/IWindowPlacement.h"
#include "game/TVariant.h"

namespace peglore {

// The grid properties and bounds of one board.
struct TGridLayout {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int ColCount = 0;
    int FixedCols = 0;
    int RowCount = 0;
    int DefaultColWidth = 0;
    int DefaultRowHeight = 0;
    friend bool operator==(const TGridLayout&, const TGridLayout&) = default;
};

// What the game core changes in the main window.
class IMainWindowPort : public IWindowPlacement {
public:
    virtual void SetRowMarkerTop(int top) = 0;
    // Status bar panel 0.
    virtual void SetStatusRowText(const std::string& text) = 0;
    // Status bar panel 0 names the current row, ROW counted from 0. A window
    // that speaks the player's language words it itself.
    virtual void SetStatusRow(int row) { SetStatusRowText("Row: " + std::to_string(row + 1)); }
    virtual void SetLeftBoardLayout(const TGridLayout& layout) = 0;
    virtual void SetRightBoardLayout(const TGridLayout& layout) = 0;
    // The client width as designed: the window never gets narrower.
    virtual int InitialClientWidth() const = 0;
    virtual int StatusBarHeight() const = 0;
    virtual void SetClientSize(int width, int height) = 0;
    // The colours the new game plays with (the colour bar, the status);
    // chosen is the variant as the player chose it, which a board wider
    // than its colours plays with repeats. A port without them does nothing.
    virtual void ShowVariant(const TVariant& /*played*/, const TVariant& /*chosen*/) {}

protected:
    ~IMainWindowPort() = default;
};

}  // namespace peglore
