#pragma once

#include <string>
#include <string_view>

namespace peglore {

// Puts contents in place of the file at path, or creates it: they are
// written to a temporary file in the same folder, synced and then renamed
// over the path, so that a reader, or a crash, finds the old file or the
// new one whole, never a part of either. A file replaced keeps its mode
// bits; a new one gets 0666 less the umask. Returns 0, or the errno of the
// step that failed, the old file then left as it was.
int ReplaceFile(const std::string& path, std::string_view contents);

}  // namespace peglore
