#pragma once

namespace peglore {

// A rectangle in client pixels; Right and Bottom are exclusive.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TRect&, const TRect&) = default;
};

// A point in client pixels.
struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

// A board cell. A point over no cell maps to NoCell, whose row matches no
// real row.
struct TCell {
    int Col = -1;
    int Row = -1;
    friend bool operator==(const TCell&, const TCell&) = default;
};
inline constexpr TCell NoCell{-1, -1};

}  // namespace peglore
