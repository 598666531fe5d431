#pragma once

// Builds small PE32, PE32+ and NE images holding version blocks, for the
// tests of the version reader and the seeds of its fuzz target. Standard C++
// only, so the fuzz build can use it too.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace VersionImages {

using TBytes = std::vector<std::uint8_t>;

// The fields of the fixed record that the reader decodes.
struct TFixedInfo {
    std::uint32_t FileVersionMS = 0x00010001;
    std::uint32_t FileVersionLS = 0x00000000;
    std::uint32_t ProductVersionMS = 0x00010001;
    std::uint32_t ProductVersionLS = 0x00000000;
    std::uint32_t FileOS = 0x00040004;
    std::uint32_t FileType = 1;
    std::uint32_t FileSubtype = 0;
};

// One block of the version resource format. Text is given as UTF-8 and
// written as UTF-16 in a Unicode block, byte for byte in an ANSI one.
struct TNode {
    std::string Key;
    std::optional<std::string> Text;
    TBytes Binary;
    std::vector<TNode> Children;
    // Hostile variants: a length field other than the true one, a key
    // without its ending zero.
    std::optional<std::uint16_t> LengthOverride;
    std::optional<std::uint16_t> ValueLengthOverride;
    bool KeyUnterminated = false;
};

using TStrings = std::vector<std::pair<std::string, std::string>>;

TBytes FixedInfoBytes(const TFixedInfo& info);
// A StringFileInfo table, keyed like "040904E4".
TNode StringTable(const std::string& key, const TStrings& strings);
// VS_VERSION_INFO with the fixed record, StringFileInfo holding TABLES and,
// when TRANSLATIONS is not empty, VarFileInfo\Translation (each entry is
// language | code page << 16).
TNode VersionRoot(const TFixedInfo& info, std::vector<TNode> tables,
                  const std::vector<std::uint32_t>& translations = {0x04E40409});
// The usual block: one table 040904E4 with STRINGS.
TNode SimpleRoot(const TFixedInfo& info, const TStrings& strings);

TBytes EncodeUnicode(const TNode& root);
TBytes EncodeAnsi(const TNode& root);

void PutU16(TBytes& bytes, std::size_t at, std::uint16_t value);
void PutU32(TBytes& bytes, std::size_t at, std::uint32_t value);
std::uint16_t GetU16(const TBytes& bytes, std::size_t at);
std::uint32_t GetU32(const TBytes& bytes, std::size_t at);

enum class TPeKind { Pe32, Pe32Plus };

struct TPeResource {
    std::uint16_t Language = 0x0409;
    TBytes Block;
};

// File offsets of the parts of a built PE image.
struct TPeLayout {
    std::size_t PeHeader = 0;  // "PE\0\0"
    std::size_t OptionalHeader = 0;
    std::size_t RvaCountField = 0;  // NumberOfRvaAndSizes
    std::size_t ResourceDirectoryField = 0;  // data directory 2: RVA, size
    std::size_t SectionHeader = 0;
    std::size_t Section = 0;  // the resource section's raw data
    std::uint32_t SectionRva = 0;
    std::size_t RootDirectory = 0;  // level 1: types
    std::size_t NameDirectory = 0;  // level 2: names of type 16
    std::size_t LanguageDirectory = 0;  // level 3: languages of name 1
    std::vector<std::size_t> DataEntries;
    std::vector<std::size_t> Blocks;
};

// A PE image with one section, .rsrc, holding a version resource (type 16,
// name 1) in each of RESOURCES' languages, in the order given.
TBytes BuildPe(TPeKind kind, const std::vector<TPeResource>& resources, TPeLayout* layout = nullptr);

struct TNeLayout {
    std::size_t NeHeader = 0;
    std::size_t ResourceTable = 0;  // the alignment shift, then the type list
    std::size_t VersionType = 0;  // the TYPEINFO of 0x8010
    std::size_t VersionName = 0;  // its NAMEINFO
    std::size_t TypeListEnd = 0;  // the zero that ends the type list
    std::size_t Block = 0;
    std::uint16_t AlignShift = 0;
};

// A 16-bit NE image whose resource table holds an icon type and the version
// type with BLOCK as resource 1.
TBytes BuildNe(const TBytes& block, TNeLayout* layout = nullptr);

}  // namespace VersionImages
