// Writes the seed corpus of the version reader's fuzz target into the folder
// named on the command line: small PE32, PE32+ and NE images of every shape
// the tests build, and a few broken ones.

#include "tests/platform/versioninfo/VersionImageBuilder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

using namespace VersionImages;

namespace {

bool Write(const std::filesystem::path& folder, const std::string& name, const TBytes& bytes)
{
    std::ofstream file(folder / name, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);

    const TStrings strings = {
        {"Comment", "c"},
        {"CompanyName", "Peglore Makers"},
        {"FileDescription", "Game"},
        {"InternalName", "PEGLORE"},
        {"LegalCopyright", "\u00a9 us"},
        {"LegalTradeMarks", "tm"},
        {"OriginalFileName", "Peglore.exe"},
        {"PrivateBuild", "p"},
        {"ProductName", "Peglore"},
        {"ProductVersion", "1.1"},
        {"SpecialBuild", "s"},
    };
    TFixedInfo driver;
    driver.FileType = 3;
    driver.FileSubtype = 9;
    TFixedInfo font;
    font.FileType = 4;
    font.FileSubtype = 3;
    font.FileOS = 0x00010001;
    const TNode simple = SimpleRoot({}, strings);
    const TNode tables =
        VersionRoot({},
                    {StringTable("040904E4", strings), StringTable("100C0000", {{"CompanyName", "ch"}}),
                     StringTable("04090000", {{"ProductVersion", "2"}})},
                    {0x04E40409, 0x0000100C, 0x00000409});

    bool ok = true;
    ok &= Write(folder, "pe32", BuildPe(TPeKind::Pe32, {{0x0409, EncodeUnicode(simple)}}));
    ok &= Write(folder, "pe32plus", BuildPe(TPeKind::Pe32Plus, {{0x0409, EncodeUnicode(simple)}}));
    ok &= Write(folder, "pe32-tables", BuildPe(TPeKind::Pe32, {{0x0000, EncodeUnicode(tables)}}));
    ok &= Write(folder, "pe32-languages",
                BuildPe(TPeKind::Pe32Plus, {{0x0407, EncodeUnicode(SimpleRoot(driver, {{"CompanyName", "de"}}))},
                                            {0x040C, EncodeUnicode(SimpleRoot(font, {{"CompanyName", "fr"}}))}}));
    ok &= Write(folder, "ne", BuildNe(EncodeAnsi(simple)));
    ok &= Write(folder, "ne-tables", BuildNe(EncodeAnsi(tables)));
    ok &= Write(folder, "ne-font", BuildNe(EncodeAnsi(SimpleRoot(font, {}))));
    ok &= Write(folder, "mz-only", TBytes{'M', 'Z'});
    ok &= Write(folder, "elf", TBytes{0x7F, 'E', 'L', 'F', 2, 1, 1, 0});
    ok &= Write(folder, ".written", TBytes{});
    return ok ? 0 : 1;
}
