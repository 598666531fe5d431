#include "game/GameNames.h"

#include <array>

namespace peglore {

namespace {
constexpr std::array<std::string_view, 4> LevelNames{"Beginner", "Intermediate", "Expert", "Custom"};
}  // namespace

std::string_view NameOfLevel(int level)
{
    return level >= 0 && level < static_cast<int>(LevelNames.size()) ? LevelNames[static_cast<std::size_t>(level)]
                                                                      : std::string_view();
}

std::string VariantName(int colours, bool repeats)
{
    if (colours == WrittenColours && repeats == WrittenRepeats)
        return {};
    std::string name = std::to_string(colours) + (colours == 1 ? " colour" : " colours");
    if (!repeats)
        name += ", no repeats";
    return name;
}

}  // namespace peglore
