// Fuzzes the profile reader and writer over arbitrary file contents.
//
// Input: three strings (section, key, value) in FuzzedDataProvider's
// backslash-terminated form, then the file's bytes. Checks that every read
// is bounded, that a written value reads back, that no other key changes, that
// only one old line is touched, that writing the same value twice is a no-op
// the second time, that writing many entries at once gives the very text of
// writing them one by one, and that reading the text in small pieces, as a
// file is read, gives what reading it whole gives, past the line limit too.

#include "platform/profile/ProfileScan.h"
#include "platform/profile/TProfileLineReader.h"
#include "tests/platform/profile/TMemoryProfile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace peglore;

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

std::string_view Trim(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b)
{
    a = Trim(a);
    b = Trim(b);
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// What a stored value reads back as, worked out without the reader's code.
std::string AsReadBack(std::string_view value)
{
    value = Trim(value);
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, MaxProfileValueLength));
}

std::size_t CountNewlines(std::string_view s)
{
    std::size_t n = 0;
    for (char c : s)
        n += c == '\n';
    return n;
}

// Writing a batch is writing its entries one by one, or nothing at all.
void CheckBatch(const std::string& bytes, const std::vector<TProfileEntry>& batch)
{
    TMemoryProfile together(bytes);
    const TProfileError error = together.WriteStrings(batch);
    if (error != TProfileError::None) {
        Check(together.Text() == bytes);
        return;
    }
    TMemoryProfile oneByOne(bytes);
    for (const TProfileEntry& entry : batch)
        Check(oneByOne.WriteString(entry.Section, entry.Key, entry.Value) == TProfileError::None);
    Check(together.Text() == oneByOne.Text());
}

// The same scans over the text whole and handed out a few bytes at a time,
// with a line limit small enough for the input to cross it.
void CheckPieces(const std::string& bytes, const std::vector<TProfileKey>& keys,
                 const std::vector<TProfileEntry>& batch, std::size_t limit)
{
    std::size_t at = 0;
    std::size_t turn = bytes.size();
    const auto pieces = [&](char* buffer, std::size_t size) -> std::ptrdiff_t {
        const std::size_t n = std::min({size, bytes.size() - at, 1 + (turn++ * 7) % 13});
        std::memcpy(buffer, bytes.data() + at, n);
        at += n;
        return std::ptrdiff_t(n);
    };
    TProfileLineReader whole(bytes, limit);
    TProfileLineReader inPieces(pieces, limit);
    Check(ScanProfileValues(whole, keys) == ScanProfileValues(inPieces, keys));

    if (CheckProfileEntries(batch) != TProfileError::None)
        return;
    at = 0;
    TProfileLineReader wholeAgain(bytes, limit);
    TProfileLineReader inPiecesAgain(pieces, limit);
    const auto planned = PlanProfileWrites(wholeAgain, batch);
    const auto plannedInPieces = PlanProfileWrites(inPiecesAgain, batch);
    Check(planned && plannedInPieces && planned->size() == plannedInPieces->size());
    for (std::size_t i = 0; i < planned->size(); ++i)
        Check((*planned)[i].Offset == (*plannedInPieces)[i].Offset &&
              (*planned)[i].Length == (*plannedInPieces)[i].Length && (*planned)[i].Text == (*plannedInPieces)[i].Text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(64);
    const std::string key = input.ConsumeRandomLengthString(64);
    const std::string value = input.ConsumeRandomLengthString(2048);
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    const std::vector<std::string> sections = {section, "Options", "Statistics", "Level Settings", "S"};
    const std::vector<std::string> keys = {key, "Music", "TotalGames", "CustomRows", "A", "B"};

    std::vector<TProfileKey> wanted;
    for (const auto& s : sections)
        for (const auto& k : keys)
            wanted.push_back({s, k});
    const std::string upperSection = [&] {
        std::string upper = section;
        for (char& c : upper)
            c = (c >= 'a' && c <= 'z') ? char(c - 32) : c;
        return upper;
    }();
    const std::vector<TProfileEntry> batch = {
        {section, key, value}, {"Options", "Music", "0"}, {section, "B", value},
        {"New", "K", ""},      {upperSection, key, "2"},  {"Options", "Music", value},
    };
    CheckBatch(bytes, batch);
    CheckPieces(bytes, wanted, batch, 1 + bytes.size() % 40);
    CheckPieces(bytes, wanted, batch, TProfileLineReader::MaxLineLength);

    // Every key at once, in one pass, as the settings are read.
    TMemoryProfile text(bytes);
    const std::vector<std::optional<std::string>> before = text.ReadStrings(wanted);
    for (const std::optional<std::string>& read : before)
        Check(!read || (read->size() <= MaxProfileValueLength && read->find('\n') == std::string::npos));

    const TProfileError expected = CheckProfileEntry(section, key, value);
    const TProfileError result = text.WriteString(section, key, value);
    Check(result == expected);
    if (result != TProfileError::None) {
        Check(text.Text() == bytes);
        return 0;
    }

    const std::vector<std::optional<std::string>> after = text.ReadStrings(wanted);
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (SameName(wanted[i].Section, section) && SameName(wanted[i].Key, key))
            Check(after[i] == AsReadBack(value));
        else
            Check(after[i] == before[i]);
    }

    // Outside the common head and tail, what was removed of the old text lies
    // within one line: every other line survives byte for byte.
    const std::string& written = text.Text();
    const std::size_t shorter = std::min(bytes.size(), written.size());
    std::size_t head = 0;
    while (head < shorter && bytes[head] == written[head])
        ++head;
    std::size_t tail = 0;
    while (tail < shorter - head && bytes[bytes.size() - 1 - tail] == written[written.size() - 1 - tail])
        ++tail;
    Check(CountNewlines(std::string_view(bytes).substr(head, bytes.size() - tail - head)) == 0);
    Check(CountNewlines(written) <= CountNewlines(bytes) + 3);

    const std::string once = written;
    Check(text.WriteString(section, key, value) == TProfileError::None);
    Check(text.Text() == once);
    return 0;
}
