#include "components/accessible/PegNames.h"

#include <array>

namespace peglore {

namespace {
struct TPegName {
    const char* Color;
    const char* Symbol;
};

// In the palette's order; the symbols as the peg symbols draw them.
constexpr std::array<TPegName, PegColors.size()> Names{{
    {"red", "disc"},
    {"green", "triangle pointing up"},
    {"black", "square"},
    {"yellow", "diamond"},
    {"blue", "plus"},
    {"gray", "cross"},
    {"fuchsia", "triangle pointing down"},
    {"lime", "bar"},
}};

const TPegName* Find(TColor peg)
{
    for (std::size_t i = 0; i < PegColors.size(); ++i)
        if (PegColors[i] == peg)
            return &Names[i];
    return nullptr;
}
}  // namespace

QString PegColorName(TColor peg)
{
    const TPegName* name = Find(peg);
    return name ? QString::fromLatin1(name->Color) : QString();
}

QString PegSymbolName(TColor peg)
{
    const TPegName* name = Find(peg);
    return name ? QString::fromLatin1(name->Symbol) : QString();
}

QString PegReading(TColor peg, bool symbolShown)
{
    const QString color = PegColorName(peg);
    if (!symbolShown || color.isEmpty())
        return color;
    return color + QStringLiteral(", ") + PegSymbolName(peg);
}

}  // namespace peglore
