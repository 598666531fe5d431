#include "game/GameNames.h"

#include <array>

#include "game/Translatable.h"

namespace peglore {

namespace {
constexpr std::array<std::string_view, 4> LevelNames{
    //: A level's name, as the Records window names a board ("Beginner, 4 × 10").
    PEGLORE_TRANSLATABLE("peglore::GameNames", "Beginner"),
    //: A level's name, as the Records window names a board.
    PEGLORE_TRANSLATABLE("peglore::GameNames", "Intermediate"),
    //: A level's name, as the Records window names a board.
    PEGLORE_TRANSLATABLE("peglore::GameNames", "Expert"),
    //: A level's name: a board of the player's own size, as the Records window names it.
    PEGLORE_TRANSLATABLE("peglore::GameNames", "Custom"),
};

// The count in a variant's words.
constexpr std::string_view Count = "%n";
}  // namespace

std::string_view NameOfLevel(int level)
{
    return level >= 0 && level < static_cast<int>(LevelNames.size()) ? LevelNames[static_cast<std::size_t>(level)]
                                                                      : std::string_view();
}

std::string_view VariantWords(int colours, bool repeats)
{
    if (colours == WrittenColours && repeats == WrittenRepeats)
        return {};
    if (colours == 1 && repeats)
        //: A game's variant in the Records window: its secret has a single colour.
        return PEGLORE_TRANSLATABLE("peglore::GameNames", "1 colour");
    if (colours == 1)
        //: A game's variant in the Records window: its secret has a single colour.
        return PEGLORE_TRANSLATABLE("peglore::GameNames", "1 colour, no repeats");
    if (repeats)
        //: A game's variant in the Records window: the secret is drawn from the first %n colours of the colour
        //: bar, a colour as often as it comes.
        return PEGLORE_TRANSLATABLE_COUNT("peglore::GameNames", "%n colours");
    //: A game's variant in the Records window: the secret is drawn from the first %n colours of the colour bar,
    //: no colour twice.
    return PEGLORE_TRANSLATABLE_COUNT("peglore::GameNames", "%n colours, no repeats");
}

std::string VariantName(int colours, bool repeats)
{
    std::string name(VariantWords(colours, repeats));
    if (const std::size_t count = name.find(Count); count != std::string::npos)
        name.replace(count, Count.size(), std::to_string(colours));
    return name;
}

}  // namespace peglore
