#pragma once

#include <QPixmap>
#include <QString>

#include "solver/TCode.h"

namespace peglore {

// A row of pegs as small round pegs in the game's colours, with their
// symbols when symbols is set.
QPixmap PegRowPicture(const TCode& code, bool symbols);

// The pegs named in words, for screen readers: "red, red, green".
QString PegRowNames(const TCode& code);

}  // namespace peglore
