#pragma once

#include <string>
#include <string_view>

namespace peglore {

// The colours and repeats of the written game: every game draws its secret
// from all eight colours, a colour as often as it comes.
inline constexpr int WrittenColours = 8;
inline constexpr bool WrittenRepeats = true;

// "Beginner", "Intermediate", "Expert", "Custom"; empty for any other level.
std::string_view NameOfLevel(int level);

// A variant in plain words: "6 colours, no repeats", "6 colours", "8 colours,
// no repeats"; empty for the written game's eight colours with repeats.
std::string VariantName(int colours, bool repeats);

}  // namespace peglore
