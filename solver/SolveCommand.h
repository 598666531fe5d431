#pragma once

#include <span>
#include <string>

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

}  // namespace peglore
