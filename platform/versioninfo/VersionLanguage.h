#pragma once

#include <cstdint>

namespace peglore {

// The languages a string table can be chosen by, each standing for a 16-bit
// language identifier (LanguageIdentifier).
enum class TLanguage : std::uint8_t {
    lnArabic,
    lnBulgarian,
    lnCatalan,
    lnTraditionalChinese,
    lnCzech,
    lnDanish,
    lnGerman,
    lnGreek,
    lnUSEnglish,
    lnCastilianSpanish,
    lnFinnish,
    lnFrench,
    lnHebrew,
    lnHungarian,
    lnIcelandic,
    lnItalian,
    lnJapanese,
    lnKorean,
    lnDutch,
    lnNorwegianBokmal,
    lnPolish,
    lnBrazilianPortuguese,
    lnRhaetoRomanic,
    lnRomanian,
    lnRussian,
    lnCroatoSerbian,
    lnSlovak,
    lnAlbanian,
    lnSwedish,
    lnThai,
    lnTurkish,
    lnUrdu,
    lnBahasa,
    lnSimplifiedChinese,
    lnSwissGerman,
    lnUKEnglish,
    lnMexicanSpanish,
    lnBelgianFrench,
    lnSwissItalian,
    lnBelgianDutch,
    lnNorwegianNynorsk,
    lnPortuguese,
    lnSerboCroatian,
    lnCanadianFrench,
    lnSwissFrench,
};
inline constexpr int LanguageCount = 45;

// The character sets a string table can be chosen by, each standing for a
// code page (CodePage).
enum class TCharacterSet : std::uint8_t {
    csASCII,
    csJapan,
    csKorea,
    csTaiwan,
    csUnicode,
    csLatin2,
    csCyrillic,
    csMultilingual,
    csGreek,
    csTurkish,
    csHebrew,
    csArabic,
};
inline constexpr int CharacterSetCount = 12;

// Both throw std::out_of_range with an empty message for a value outside
// the enumeration.
std::uint16_t LanguageIdentifier(TLanguage language);
std::uint16_t CodePage(TCharacterSet characterSet);

}  // namespace peglore
