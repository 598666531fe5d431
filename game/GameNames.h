#pragma once

#include <string>
#include <string_view>

namespace peglore {

// The colours and repeats of the written game: every game draws its secret
// from all eight colours, a colour as often as it comes.
inline constexpr int WrittenColours = 8;
inline constexpr bool WrittenRepeats = true;

// "Beginner", "Intermediate", "Expert", "Custom"; empty for any other level.
// The English words, which a window translates in the context
// "peglore::GameNames".
std::string_view NameOfLevel(int level);

// A variant's words with its count of colours still to put in, as "%n":
// "%n colours, no repeats", "%n colours", "1 colour, no repeats" (one colour
// has words of its own, without a count); empty for the written game's
// eight colours with repeats. A window translates them in the context
// "peglore::GameNames", with the count where "%n" stands.
std::string_view VariantWords(int colours, bool repeats);

// A variant in plain English: "6 colours, no repeats", "6 colours", "8
// colours, no repeats"; empty for the written game's eight colours with
// repeats.
std::string VariantName(int colours, bool repeats);

}  // namespace peglore
