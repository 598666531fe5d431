#pragma once

#include <string>

namespace peglore {

class TVersionResource;

// The fifteen values decoded from a version block, each empty until a read
// fills it. Only the owning TVersionResource writes them.
class TVersionInfo {
public:
    const std::string& Comment() const noexcept { return FComment; }
    const std::string& CompanyName() const noexcept { return FCompanyName; }
    const std::string& FileDescription() const noexcept { return FFileDescription; }
    const std::string& FileVersion() const noexcept { return FFileVersion; }
    const std::string& InternalName() const noexcept { return FInternalName; }
    const std::string& LegalCopyright() const noexcept { return FLegalCopyright; }
    const std::string& LegalTradeMarks() const noexcept { return FLegalTradeMarks; }
    const std::string& OriginalFileName() const noexcept { return FOriginalFileName; }
    const std::string& PrivateBuild() const noexcept { return FPrivateBuild; }
    const std::string& ProductName() const noexcept { return FProductName; }
    const std::string& ProductVersion() const noexcept { return FProductVersion; }
    const std::string& SpecialBuild() const noexcept { return FSpecialBuild; }
    const std::string& FileOS() const noexcept { return FFileOS; }
    const std::string& FileType() const noexcept { return FFileType; }
    const std::string& FileSubType() const noexcept { return FFileSubType; }

private:
    friend class TVersionResource;

    void Clear();

    std::string FComment;
    std::string FCompanyName;
    std::string FFileDescription;
    std::string FFileVersion;
    std::string FInternalName;
    std::string FLegalCopyright;
    std::string FLegalTradeMarks;
    std::string FOriginalFileName;
    std::string FPrivateBuild;
    std::string FProductName;
    std::string FProductVersion;
    std::string FSpecialBuild;
    std::string FFileOS;
    std::string FFileType;
    std::string FFileSubType;
};

}  // namespace peglore
