#pragma once

#include "platform/versioninfo/TVersionInfo.h"
#include "platform/versioninfo/VersionLanguage.h"

#include <functional>
#include <memory>
#include <string>

namespace peglore {

// Reads the version block of an executable or library file and keeps it as
// fifteen text values (VersionInfo): the file and product versions, names for
// the target system, file type and subtype, and eleven strings of the string
// table chosen by Language and CharacterSet.
//
// Each of the three setters re-reads the whole file, also when the value is
// unchanged, and then calls OnChange. A missing file, a file without a
// version block (such as this program's own ELF executable) or a block
// without its fixed record leaves every value empty; nothing is reported.
class TVersionResource {
public:
    using TNotifyEvent = std::function<void(TVersionResource* sender)>;

    // Starts with the running program's own file, US English and the
    // multilingual code page, read at once; OnChange is not called.
    TVersionResource();
    TVersionResource(const TVersionResource&) = delete;
    TVersionResource& operator=(const TVersionResource&) = delete;
    ~TVersionResource();

    const std::string& FileName() const noexcept { return FFileName; }
    void SetFileName(const std::string& value);

    // Setting a value outside the enumeration throws std::out_of_range with an
    // empty message once a block's fixed record has been decoded, before any
    // string is looked up; OnChange is then not called.
    TLanguage Language() const noexcept { return FLanguage; }
    void SetLanguage(TLanguage value);

    TCharacterSet CharacterSet() const noexcept { return FCharacterSet; }
    void SetCharacterSet(TCharacterSet value);

    const TVersionInfo& VersionInfo() const noexcept { return *FVersionInfo; }

    const TNotifyEvent& OnChange() const noexcept { return FOnChange; }
    void SetOnChange(TNotifyEvent handler) { FOnChange = std::move(handler); }

    // Whether FileName belongs in the owner's stored layout: true when it
    // differs, case-sensitively, from the running program's own path.
    bool FileNameStored() const noexcept { return FFileNameStored; }

    // The path under which the string table's keys are looked up, for example
    // "\StringFileInfo\040904E4\".
    static std::string StringTablePrefix(TLanguage language, TCharacterSet characterSet);

    // The running program's own full path; empty when the system cannot tell.
    static std::string ProgramFileName();

    // Decodes BLOCK, a buffer filled by GetFileVersionInfoA, into INFO with
    // the string table of LANGUAGE and CHARACTERSET. False when BLOCK has no
    // fixed record; INFO then stays as it was.
    static bool DecodeVersionInfo(const void* block, TLanguage language, TCharacterSet characterSet,
                                  TVersionInfo& info);

private:
    void ReadVersionInfo();
    void Changed();

    bool FFileNameStored = false;
    std::string FFileName;
    TLanguage FLanguage = TLanguage::lnUSEnglish;
    TCharacterSet FCharacterSet = TCharacterSet::csMultilingual;
    std::unique_ptr<TVersionInfo> FVersionInfo;
    TNotifyEvent FOnChange;
};

}  // namespace peglore
