#pragma once

#include <span>
#include <string>

#include "solver/TRules.h"

namespace peglore {

// What `peglore --solve ROW...` prints and the code it ends with.
struct TSolveReply {
    std::string Output;  // for the standard output
    std::string Error;  // for the standard error
    int ExitCode = 0;  // 0 answered, 1 the rows contradict, 2 malformed rows
};

// Each row is CODE:BLACKS,WHITES, the code in the digits 1 to 8 of the
// colour bar's order (as keyboard play types them), e.g. 1123:1,1.
TSolveReply SolveCommand(std::span<const std::string> rows);
// The same under rules (--colours N, --no-repeats): the rows may use only
// the digits 1 to N, and without repeats none twice, as the game takes
// them, and a board without repeats needs as many colours as holes.
TSolveReply SolveCommand(std::span<const std::string> rows, const TRules& rules);

}  // namespace peglore
