// Fuzzes the reader of a sound server's client configuration over
// arbitrary bytes. Every include it returns is a name without blanks at
// its ends; reading the same text twice gives the same answer.

#include "platform/media/TAudioOutputProbe.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using peglore::TAudioOutputProbe;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TAudioOutputProbe::TClientConfig config = TAudioOutputProbe::ReadClientConfig(text);
    for (const std::string& include : config.Includes) {
        Check(!include.empty() && include.size() <= size);
        Check(!std::isspace(static_cast<unsigned char>(include.front())) &&
              !std::isspace(static_cast<unsigned char>(include.back())));
    }
    const TAudioOutputProbe::TClientConfig again = TAudioOutputProbe::ReadClientConfig(text);
    Check(again.NamesServer == config.NamesServer && again.Includes == config.Includes);
    return 0;
}
