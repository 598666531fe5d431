#include "components/accessible/PegNames.h"

#include <QCoreApplication>

#include <array>

namespace peglore {

namespace {
struct TPegName {
    const char* Color;
    const char* Symbol;
};

// In the palette's order; the symbols as the peg symbols draw them. Read
// by screen readers for a peg: the colour, and with the symbols shown
// (Tools > Peg Symbols) the symbol drawn on it.
constexpr std::array<TPegName, PegColors.size()> Names{{
    //: A peg's colour, read by screen readers; with the symbols shown, its symbol follows ("red, disc").
    {QT_TRANSLATE_NOOP("peglore::PegNames", "red"),
     //: The symbol drawn on a red peg: a filled circle.
     QT_TRANSLATE_NOOP("peglore::PegNames", "disc")},
    //: A peg's colour, read by screen readers.
    {QT_TRANSLATE_NOOP("peglore::PegNames", "green"),
     //: The symbol drawn on a green peg.
     QT_TRANSLATE_NOOP("peglore::PegNames", "triangle pointing up")},
    //: A peg's colour, read by screen readers.
    {QT_TRANSLATE_NOOP("peglore::PegNames", "black"),
     //: The symbol drawn on a black peg.
     QT_TRANSLATE_NOOP("peglore::PegNames", "square")},
    //: A peg's colour, read by screen readers.
    {QT_TRANSLATE_NOOP("peglore::PegNames", "yellow"),
     //: The symbol drawn on a yellow peg: a square standing on a corner.
     QT_TRANSLATE_NOOP("peglore::PegNames", "diamond")},
    //: A peg's colour, read by screen readers.
    {QT_TRANSLATE_NOOP("peglore::PegNames", "blue"),
     //: The symbol "+" drawn on a blue peg.
     QT_TRANSLATE_NOOP("peglore::PegNames", "plus")},
    //: A peg's colour, read by screen readers.
    {QT_TRANSLATE_NOOP("peglore::PegNames", "gray"),
     //: The symbol "×" drawn on a gray peg.
     QT_TRANSLATE_NOOP("peglore::PegNames", "cross")},
    //: A peg's colour, read by screen readers: a purplish pink.
    {QT_TRANSLATE_NOOP("peglore::PegNames", "fuchsia"),
     //: The symbol drawn on a fuchsia peg.
     QT_TRANSLATE_NOOP("peglore::PegNames", "triangle pointing down")},
    //: A peg's colour, read by screen readers: a light, bright green, other than "green".
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
    return name ? QCoreApplication::translate("peglore::PegNames", name->Color) : QString();
}

QString PegSymbolName(TColor peg)
{
    const TPegName* name = Find(peg);
    return name ? QCoreApplication::translate("peglore::PegNames", name->Symbol) : QString();
}

QString PegReading(TColor peg, bool symbolShown)
{
    const QString color = PegColorName(peg);
    if (!symbolShown || color.isEmpty())
        return color;
    //: A peg read by screen readers with the symbols shown: %1 is its colour ("red"), %2 its symbol ("disc").
    return QCoreApplication::translate("peglore::PegNames", "%1, %2").arg(color, PegSymbolName(peg));
}

}  // namespace peglore
