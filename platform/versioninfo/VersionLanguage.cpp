#include "platform/versioninfo/VersionLanguage.h"

#include <array>
#include <stdexcept>

namespace peglore {

namespace {

constexpr std::array<std::uint16_t, LanguageCount> LanguageIdentifiers = {
    0x0401, 0x0402, 0x0403, 0x0404, 0x0405, 0x0406, 0x0407, 0x0408, 0x0409, 0x040A, 0x040B,
    0x040C, 0x040D, 0x040E, 0x040F, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416,
    0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421,
    0x0804,  // lnSimplifiedChinese
    0x0807,  // lnSwissGerman
    0x0809,  // lnUKEnglish
    0x080A,  // lnMexicanSpanish
    0x080C,  // lnBelgianFrench
    0x0810,  // lnSwissItalian
    0x0813,  // lnBelgianDutch
    0x0814,  // lnNorwegianNynorsk
    0x0816,  // lnPortuguese
    0x081A,  // lnSerboCroatian
    0x0C0C,  // lnCanadianFrench
    0x100C,  // lnSwissFrench
};

constexpr std::array<std::uint16_t, CharacterSetCount> CodePages = {
    0, 932, 949, 950, 1200, 1250, 1251, 1252, 1253, 1254, 1255, 1256,
};

}  // namespace

std::uint16_t LanguageIdentifier(TLanguage language)
{
    const auto ordinal = std::size_t(language);
    if (ordinal >= LanguageIdentifiers.size())
        throw std::out_of_range("");
    return LanguageIdentifiers[ordinal];
}

std::uint16_t CodePage(TCharacterSet characterSet)
{
    const auto ordinal = std::size_t(characterSet);
    if (ordinal >= CodePages.size())
        throw std::out_of_range("");
    return CodePages[ordinal];
}

}  // namespace peglore
