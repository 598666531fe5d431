#pragma once

#include <span>

#include "game/PegColors.h"

namespace peglore {

// Pegs of the right colour in the right hole.
int CountBlacks(std::span<const TColor> guess, std::span<const TColor> secret);

// Pegs of a right colour in a wrong hole: each secret peg answers at most
// one guess peg, and holes scored black take no part on either side.
int CountWhites(std::span<const TColor> guess, std::span<const TColor> secret);

}  // namespace peglore
