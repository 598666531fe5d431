#pragma once

#include <string>

namespace peglore {

// The folder of the running executable with its trailing "/". "./" when the
// kernel cannot tell.
std::string ProgramDir();

}  // namespace peglore
