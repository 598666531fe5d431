// Fuzzes the MIDI file reader over arbitrary bytes. A file it takes must
// come out as well-formed channel messages in time order, none of them
// after the end, the end within the reader's limit.

#include "platform/midi/TMidiFile.h"

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
    using peglore::TMidiEvent;
    using peglore::TMidiFile;
    const auto file = TMidiFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!file)
        return 0;
    Check(file->Duration() >= 0 && file->Duration() <= TMidiFile::MaxDuration);
    std::int64_t previous = 0;
    for (const TMidiEvent& e : file->Events()) {
        Check(e.Microseconds >= previous && e.Microseconds <= file->Duration());
        previous = e.Microseconds;
        Check(e.Status >= 0x80 && e.Status < 0xF0);
        Check(e.Data1 < 0x80 && e.Data2 < 0x80);
        const int kind = e.Status & 0xF0;
        Check(kind != 0xC0 && kind != 0xD0 ? true : e.Data2 == 0);
    }
    return 0;
}
