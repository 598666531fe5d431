#pragma once

#include <cstdint>
#include <optional>

namespace peglore {

// What the command line asks of this run. A new option: its field here, its
// QCommandLineOption and its reading in ReadCommandLine.
struct TCommandLine {
    std::optional<int> ExitCode;  // the run ends here: help, version or a mistake
    bool PegSymbols = false;      // --symbols
    std::optional<std::uint64_t> GameNumber;  // --game N: the first game's number
};

// Reads the command line before any window exists, so that --help and
// --version answer in a terminal without a display; a mistake is told on
// the standard error and ends the run with code 2.
TCommandLine ReadCommandLine(int argc, char** argv, const char* version);

}  // namespace peglore
