#pragma once

#include <span>

#include "game/GameTypes.h"
#include "game/PegColors.h"

namespace peglore {

// What the boards need to draw a cell. Coordinates are client pixels;
// right and bottom are exclusive, so Rectangle(0, 0, 10, 10) covers a
// 10 x 10 block whose outline lies on its outermost pixels.
class ICanvas {
public:
    virtual void SetBrushColor(TColor color) = 0;
    virtual void SetPenColor(TColor color) = 0;
    virtual void SetPenWidth(int width) = 0;
    virtual void SetCopyMode() = 0;  // plain copy: no raster operation
    // Filled with the brush and outlined with the pen.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // Filled with the brush, without an outline. The points are pixel
    // corners: (0, 0), (2, 0), (2, 2), (0, 2) fill a 2 x 2 block.
    virtual void Polygon(std::span<const TPoint> points) = 0;

protected:
    ~ICanvas() = default;
};

}  // namespace peglore
