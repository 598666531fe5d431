#pragma once

#include "solver/TCode.h"
#include "solver/TKeyPegs.h"

namespace peglore {

// A guess the score board has answered.
struct TCheckedRow {
    TCode Guess;
    TKeyPegs Answer;
    friend bool operator==(const TCheckedRow&, const TCheckedRow&) = default;
};

}  // namespace peglore
