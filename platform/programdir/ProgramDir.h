#pragma once

#include <string>

namespace peglore {

// The folder of the running executable with its trailing "/", where the game
// keeps its settings and music files. "./" when the kernel cannot tell.
std::string ProgramDir();

}  // namespace peglore
