#pragma once

#include <QString>

#include "game/PegColors.h"

namespace peglore {

// The words a screen reader says for a peg: its colour ("red"), and with
// the symbols shown the symbol's name too ("red, disc"). Empty for a
// colour outside the palette.
QString PegColorName(TColor peg);
QString PegSymbolName(TColor peg);
QString PegReading(TColor peg, bool symbolShown);

}  // namespace peglore
