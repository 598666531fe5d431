#pragma once

#include <optional>

#include "solver/TCheckedRow.h"
#include "solver/TCode.h"
#include "solver/TRules.h"

namespace peglore {

// The first guess of the hints on an empty board; a code the rules allow
// whenever they allow any code of the width.
TCode Opening(int width, const TRules& rules);

// The hint's second guess after the opening and its answer, searched far
// harder than a hint can afford during play; nothing when the book has no
// entry (few secrets left, which the hint weighs in full anyway).
std::optional<TCode> BookHint(int width, const TRules& rules, const TCheckedRow& first);

}  // namespace peglore
