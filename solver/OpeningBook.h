#pragma once

#include <optional>

#include "solver/TCheckedRow.h"
#include "solver/TCode.h"

namespace peglore {

// The first guess of the hints on an empty board.
TCode Opening(int width);

// The hint's second guess after the opening and its answer, searched far
// harder than a hint can afford during play; nothing when the book has no
// entry (few secrets left, which the hint weighs in full anyway).
std::optional<TCode> BookHint(int width, const TCheckedRow& first);

}  // namespace peglore
