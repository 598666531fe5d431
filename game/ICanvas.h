#pragma once

#include "game/PegColors.h"

namespace peglore {

// What the boards need to draw a cell. Coordinates are client pixels;
// Right and Bottom are exclusive, so Rectangle(0, 0, 10, 10) covers a
// 10 x 10 block whose outline lies on its outermost pixels.
class ICanvas {
public:
    virtual void SetBrushColor(TColor Color) = 0;
    virtual void SetPenColor(TColor Color) = 0;
    virtual void SetPenWidth(int Width) = 0;
    virtual void SetCopyMode() = 0;  // plain copy: no raster operation
    // Filled with the brush and outlined with the pen.
    virtual void Rectangle(int Left, int Top, int Right, int Bottom) = 0;
    virtual void Ellipse(int Left, int Top, int Right, int Bottom) = 0;

protected:
    ~ICanvas() = default;
};

}  // namespace peglore
