// Fuzzes the version reader from file bytes to its fifteen values.
//
// Input: the whole file, read from memory into the buffer the
// version-information functions fill, queried through them and decoded as
// TVersionResource decodes it. Checks that every value found lies inside the
// buffer, that text ends with its zero, that the decoded values agree with
// the functions, and that a file without a fixed record leaves every value
// empty.

#include "platform/files/TMemoryBytes.h"
#include "platform/versioninfo/TVersionResource.h"
#include "platform/versioninfo/VersionApi.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <vector>

using namespace peglore;

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// The text at PATH, checked to lie inside BLOCK and to end with its zero.
std::optional<std::string> Text(const std::vector<BYTE>& block, const std::string& path)
{
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), path.c_str(), &value, &length))
        return std::nullopt;
    const auto* begin = static_cast<const BYTE*>(value);
    Check(begin >= block.data() && length <= block.size() && begin + length <= block.data() + block.size());
    Check(length > 0 && begin[length - 1] == 0);
    return std::string(static_cast<const char*>(value));
}

// The binary value at PATH, checked to lie inside BLOCK.
std::optional<std::vector<BYTE>> Binary(const std::vector<BYTE>& block, const char* path)
{
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), path, &value, &length))
        return std::nullopt;
    const auto* begin = static_cast<const BYTE*>(value);
    Check(begin >= block.data() && length <= block.size() && begin + length <= block.data() + block.size());
    return std::vector<BYTE>(begin, begin + length);
}

std::optional<TLanguage> LanguageOf(std::uint16_t identifier)
{
    for (int i = 0; i < LanguageCount; ++i)
        if (LanguageIdentifier(TLanguage(i)) == identifier)
            return TLanguage(i);
    return std::nullopt;
}

std::optional<TCharacterSet> CharacterSetOf(std::uint16_t codePage)
{
    for (int i = 0; i < CharacterSetCount; ++i)
        if (CodePage(TCharacterSet(i)) == codePage)
            return TCharacterSet(i);
    return std::nullopt;
}

bool AllEmpty(const TVersionInfo& info)
{
    for (const std::string* value :
         {&info.Comment(), &info.CompanyName(), &info.FileDescription(), &info.FileVersion(), &info.InternalName(),
          &info.LegalCopyright(), &info.LegalTradeMarks(), &info.OriginalFileName(), &info.PrivateBuild(),
          &info.ProductName(), &info.ProductVersion(), &info.SpecialBuild(), &info.FileOS(), &info.FileType(),
          &info.FileSubType()})
        if (!value->empty())
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<BYTE> block = VersionInfoBlock(TMemoryBytes(std::span(data, size)));
    // A block is at most 64 KiB; our copy of it stays within a few times that.
    Check(block.size() <= 1024u * 1024u);
    bool fixedRecord = false;
    std::optional<std::string> company;
    std::optional<TLanguage> language;
    std::optional<TCharacterSet> characterSet;
    if (!block.empty()) {
        const auto fixed = Binary(block, "\\");
        fixedRecord = fixed && fixed->size() >= sizeof(VS_FIXEDFILEINFO);
        Binary(block, "\\StringFileInfo");
        Binary(block, "\\VarFileInfo");
        // Every table the translation list names, and its eleven keys.
        if (const auto translations = Binary(block, "\\VarFileInfo\\Translation")) {
            for (std::size_t at = 0; at + 4 <= translations->size() && at < 64; at += 4) {
                const std::uint16_t lang = std::uint16_t((*translations)[at] | (*translations)[at + 1] << 8);
                const std::uint16_t page = std::uint16_t((*translations)[at + 2] | (*translations)[at + 3] << 8);
                char table[9];
                std::snprintf(table, sizeof table, "%04X%04X", unsigned(lang), unsigned(page));
                const std::string prefix = std::string("\\StringFileInfo\\") + table + '\\';
                for (const char* key :
                     {"Comment", "CompanyName", "FileDescription", "InternalName", "LegalCopyright", "LegalTradeMarks",
                      "OriginalFileName", "PrivateBuild", "ProductName", "ProductVersion", "SpecialBuild"})
                    Text(block, prefix + key);
                if (at == 0) {
                    company = Text(block, prefix + "CompanyName");
                    language = LanguageOf(lang);
                    characterSet = CharacterSetOf(page);
                }
            }
        }
    }

    TVersionInfo info;
    const bool decoded = !block.empty() && TVersionResource::DecodeVersionInfo(block.data(), TLanguage::lnUSEnglish,
                                                                              TCharacterSet::csMultilingual, info);
    Check(decoded == fixedRecord && AllEmpty(info) == !fixedRecord);
    if (fixedRecord) {
        Check(!info.FileVersion().empty() && !info.FileOS().empty() && !info.FileType().empty());
        Check(info.FileSubType().empty() == (info.FileType() != "Device Driver" && info.FileType() != "Font"));
    }

    // Decoding the first translated table gives what the functions gave for it.
    if (fixedRecord && language && characterSet) {
        TVersionInfo translated;
        Check(TVersionResource::DecodeVersionInfo(block.data(), *language, *characterSet, translated));
        Check(translated.CompanyName() == company.value_or(""));
    }
    return 0;
}
