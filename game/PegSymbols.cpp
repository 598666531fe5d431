#include "game/PegSymbols.h"

#include <array>

namespace peglore {

namespace {
constexpr TColor Black = 0x000000;
constexpr TColor White = 0xFFFFFF;

// Shapes on a 12 x 12 grid of pixel corners; each is one simple polygon.
constexpr TPoint Disc[] = {{4, 0},  {8, 0},  {10, 1}, {11, 2}, {12, 4}, {12, 8}, {11, 10}, {10, 11},
                           {8, 12}, {4, 12}, {2, 11}, {1, 10}, {0, 8},  {0, 4},  {1, 2},   {2, 1}};
constexpr TPoint TriangleUp[] = {{6, 0}, {12, 11}, {0, 11}};
constexpr TPoint Square[] = {{1, 1}, {11, 1}, {11, 11}, {1, 11}};
constexpr TPoint Diamond[] = {{6, 0}, {12, 6}, {6, 12}, {0, 6}};
constexpr TPoint Plus[] = {{4, 0},  {8, 0},  {8, 4}, {12, 4}, {12, 8}, {8, 8},
                           {8, 12}, {4, 12}, {4, 8}, {0, 8},  {0, 4},  {4, 4}};
constexpr TPoint Cross[] = {{0, 2},   {2, 0},   {6, 4}, {10, 0}, {12, 2}, {8, 6},
                            {12, 10}, {10, 12}, {6, 8}, {2, 12}, {0, 10}, {4, 6}};
constexpr TPoint TriangleDown[] = {{0, 1}, {12, 1}, {6, 12}};
constexpr TPoint Bar[] = {{0, 4}, {12, 4}, {12, 8}, {0, 8}};

struct TSymbolDef {
    TColor Peg;
    TColor Ink;
    std::span<const TPoint> Outline;
};

// The ink is the one of higher contrast with the peg's colour.
const std::array<TSymbolDef, PegColors.size()> Symbols{{
    {PegColors[0], Black, Disc},  // red
    {PegColors[1], White, TriangleUp},  // green
    {PegColors[2], White, Square},  // black
    {PegColors[3], Black, Diamond},  // yellow
    {PegColors[4], White, Plus},  // blue
    {PegColors[5], Black, Cross},  // gray
    {PegColors[6], Black, TriangleDown},  // fuchsia
    {PegColors[7], Black, Bar},  // lime
}};
}  // namespace

TPegSymbol PegSymbol(TColor peg)
{
    for (const TSymbolDef& s : Symbols)
        if (s.Peg == peg)
            return {s.Ink, s.Outline};
    return {};
}

std::vector<TPoint> PegSymbolOutline(TColor peg, const TRect& area)
{
    const TPegSymbol symbol = PegSymbol(peg);
    const int left = area.Left + (area.Right - area.Left - PegSymbolSize) / 2;
    const int top = area.Top + (area.Bottom - area.Top - PegSymbolSize) / 2;
    std::vector<TPoint> outline;
    outline.reserve(symbol.Outline.size());
    for (const TPoint& p : symbol.Outline)
        outline.push_back({left + p.X, top + p.Y});
    return outline;
}

void DrawPegSymbol(ICanvas& canvas, TColor peg, const TRect& area)
{
    const std::vector<TPoint> outline = PegSymbolOutline(peg, area);
    if (outline.empty())
        return;
    canvas.SetBrushColor(PegSymbol(peg).Ink);
    canvas.Polygon(outline);
}

}  // namespace peglore
