#include "components/accessible/PegNames.h"

#include <QCoreApplication>

#include <array>

namespace peglore {

namespace {
constexpr const char* Context = "peglore::PegNames";

struct TPegName {
    const char* Color;
    const char* Symbol;
};

// In the palette's order; the symbols as the peg symbols draw them. Read
// by screen readers for a peg: the colour, and with the symbols shown
// (Tools > Peg Symbols) the symbol drawn on it.
constexpr std::array<TPegName, PegColors.size()> Names{{
    //: A peg's colour, read by screen readers. With the symbols shown, the peg's symbol follows.
    {QT_TRANSLATE_NOOP("peglore::PegNames", "red"), QT_TRANSLATE_NOOP("peglore::PegNames", "disc")},
    {QT_TRANSLATE_NOOP("peglore::PegNames", "green"), QT_TRANSLATE_NOOP("peglore::PegNames", "triangle pointing up")},
    {QT_TRANSLATE_NOOP("peglore::PegNames", "black"), QT_TRANSLATE_NOOP("peglore::PegNames", "square")},
    {QT_TRANSLATE_NOOP("peglore::PegNames", "yellow"), QT_TRANSLATE_NOOP("peglore::PegNames", "diamond")},
    //: The symbol "+" drawn on a blue peg.
    {QT_TRANSLATE_NOOP("peglore::PegNames", "blue"), QT_TRANSLATE_NOOP("peglore::PegNames", "plus")},
    //: The symbol "×" drawn on a gray peg.
    {QT_TRANSLATE_NOOP("peglore::PegNames", "gray"), QT_TRANSLATE_NOOP("peglore::PegNames", "cross")},
    {QT_TRANSLATE_NOOP("peglore::PegNames", "fuchsia"),
     QT_TRANSLATE_NOOP("peglore::PegNames", "triangle pointing down")},
    //: A peg's colour: a light, bright green, other than "green".
    {QT_TRANSLATE_NOOP("peglore::PegNames", "lime"),
     //: The symbol drawn on a lime peg: a short thick horizontal line.
     QT_TRANSLATE_NOOP("peglore::PegNames", "bar")},
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
    return name ? QCoreApplication::translate(Context, name->Color) : QString();
}

QString PegSymbolName(TColor peg)
{
    const TPegName* name = Find(peg);
    return name ? QCoreApplication::translate(Context, name->Symbol) : QString();
}

QString PegReading(TColor peg, bool symbolShown)
{
    const QString color = PegColorName(peg);
    if (!symbolShown || color.isEmpty())
        return color;
    //: A peg read by screen readers with the symbols shown: %1 is its colour ("red"), %2 its symbol ("disc").
    return QCoreApplication::translate(Context, "%1, %2").arg(color, PegSymbolName(peg));
}

}  // namespace peglore
