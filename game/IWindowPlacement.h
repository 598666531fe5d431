#pragma once

#include "game/GameTypes.h"

namespace peglore {

// A top-level window that can be placed on the screen.
class IWindowPlacement {
public:
    // Outer size, frame included.
    virtual TSize OuterSize() const = 0;
    // The primary screen's size in pixels.
    virtual TSize ScreenSize() const = 0;
    // Moves the window's outer top-left corner.
    virtual void MoveTo(int left, int top) = 0;

protected:
    ~IWindowPlacement() = default;
};

}  // namespace peglore
