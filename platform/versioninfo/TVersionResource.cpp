#include "platform/versioninfo/TVersionResource.h"

#include "platform/versioninfo/VersionApi.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace peglore {

namespace {

constexpr DWORD FileTypeDriver = 3;
constexpr DWORD FileTypeFont = 4;

struct TName {
    DWORD Value;
    const char* Name;
};

constexpr TName FileOSNames[] = {
    {0x00000001, "Windows 3.0 or later"},
    {0x00000002, "16 bit OS/2 Presentation Manager"},
    {0x00000003, "32 bit OS/2 Presentation Manager"},
    {0x00000004, "32 bit Windows"},
    {0x00010000, "MS-Dos"},
    {0x00010001, "Windows 3.0 or later with MS-Dos"},
    {0x00010004, "32 bit Windows with MS-Dos"},
    {0x00020000, "16 bit OS/2"},
    {0x00020002, "16 bit OS/2 with Presentation Manager"},
    {0x00030000, "32 bit OS/2"},
    {0x00030003, "32 bit OS/2 with Presentation Manager"},
    {0x00040000, "Windows NT"},
    {0x00040004, "Windows NT with 32 bit Windows"},
};

constexpr TName FileTypeNames[] = {
    {1, "Application"}, {2, "Dynamic-Link Library"},  {3, "Device Driver"},
    {4, "Font"},        {5, "Virtual Device Driver"}, {7, "Static-Link Library"},
};

constexpr TName DriverSubTypeNames[] = {
    {1, "Printer"}, {2, "Keyboard"}, {3, "Language"},    {4, "Display"}, {5, "Mouse"},
    {6, "Network"}, {7, "System"},   {8, "Installable"}, {9, "Sound"},   {10, "Communications"},
};

constexpr TName FontSubTypeNames[] = {
    {1, "Raster"},
    {2, "Vector"},
    {3, "TrueType"},
};

template <std::size_t N>
std::string NameOf(const TName (&names)[N], DWORD value)
{
    for (const TName& name : names)
        if (name.Value == value)
            return name.Name;
    return "Unknown";
}

std::string DottedVersion(DWORD mostSignificant, DWORD leastSignificant)
{
    return std::to_string(mostSignificant >> 16) + '.' + std::to_string(mostSignificant & 0xFFFF) + '.' +
           std::to_string(leastSignificant >> 16) + '.' + std::to_string(leastSignificant & 0xFFFF);
}

}  // namespace

TVersionResource::TVersionResource() : FFileName(ProgramFileName()), FVersionInfo(std::make_unique<TVersionInfo>())
{
    ReadVersionInfo();
}

TVersionResource::~TVersionResource() = default;

std::string TVersionResource::ProgramFileName()
{
    // readlink neither terminates nor says whether it truncated, so grow the
    // buffer until the link fits with room to spare.
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return {};
        if (std::size_t(length) < buffer.size())
            return std::string(buffer.data(), std::size_t(length));
        buffer.resize(buffer.size() * 2);
    }
}

void TVersionResource::SetFileName(const std::string& value)
{
    FFileName = value;
    FFileNameStored = FFileName != ProgramFileName();
    ReadVersionInfo();
    Changed();
}

void TVersionResource::SetLanguage(TLanguage value)
{
    FLanguage = value;
    ReadVersionInfo();
    Changed();
}

void TVersionResource::SetCharacterSet(TCharacterSet value)
{
    FCharacterSet = value;
    ReadVersionInfo();
    Changed();
}

void TVersionResource::Changed()
{
    if (FOnChange)
        FOnChange(this);
}

std::string TVersionResource::StringTablePrefix(TLanguage language, TCharacterSet characterSet)
{
    char table[9];
    std::snprintf(table, sizeof table, "%04X%04X", unsigned(LanguageIdentifier(language)),
                  unsigned(CodePage(characterSet)));
    return std::string("\\StringFileInfo\\") + table + '\\';
}

void TVersionResource::ReadVersionInfo()
{
    FVersionInfo->Clear();
    // A name with a zero inside would name another, shorter path.
    if (FFileName.find('\0') != std::string::npos)
        return;
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(FFileName.c_str(), &handle);
    if (size == 0)
        return;
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoA(FFileName.c_str(), handle, size, block.data()))
        return;
    DecodeVersionInfo(block.data(), FLanguage, FCharacterSet, *FVersionInfo);
}

bool TVersionResource::DecodeVersionInfo(const void* block, TLanguage language, TCharacterSet characterSet,
                                         TVersionInfo& info)
{
    void* value = nullptr;
    UINT length = 0;
    // A root value too short for the record is treated as no record at all.
    if (!VerQueryValueA(block, "\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO))
        return false;
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, value, sizeof fixed);

    info.FFileVersion = DottedVersion(fixed.dwFileVersionMS, fixed.dwFileVersionLS);
    info.FProductVersion = DottedVersion(fixed.dwProductVersionMS, fixed.dwProductVersionLS);
    info.FFileOS = NameOf(FileOSNames, fixed.dwFileOS);
    info.FFileType = NameOf(FileTypeNames, fixed.dwFileType);
    if (fixed.dwFileType == FileTypeDriver)
        info.FFileSubType = NameOf(DriverSubTypeNames, fixed.dwFileSubtype);
    else if (fixed.dwFileType == FileTypeFont)
        info.FFileSubType = NameOf(FontSubTypeNames, fixed.dwFileSubtype);

    const std::string prefix = StringTablePrefix(language, characterSet);
    const struct {
        const char* Key;
        std::string TVersionInfo::*Property;
    } strings[] = {
        {"Comment", &TVersionInfo::FComment},
        {"CompanyName", &TVersionInfo::FCompanyName},
        {"FileDescription", &TVersionInfo::FFileDescription},
        {"InternalName", &TVersionInfo::FInternalName},
        {"LegalCopyright", &TVersionInfo::FLegalCopyright},
        {"LegalTradeMarks", &TVersionInfo::FLegalTradeMarks},
        {"OriginalFileName", &TVersionInfo::FOriginalFileName},
        {"PrivateBuild", &TVersionInfo::FPrivateBuild},
        {"ProductName", &TVersionInfo::FProductName},
        {"ProductVersion", &TVersionInfo::FProductVersion},
        {"SpecialBuild", &TVersionInfo::FSpecialBuild},
    };
    for (const auto& entry : strings) {
        if (VerQueryValueA(block, (prefix + entry.Key).c_str(), &value, &length)) {
            const char* text = static_cast<const char*>(value);
            info.*entry.Property = std::string(text, ::strnlen(text, length));
        }
    }
    return true;
}

}  // namespace peglore
