#include "solver/TCode.h"

#include <algorithm>

#include "game/Scoring.h"

namespace peglore {

TCode TCode::FromPegs(std::span<const int> pegs)
{
    std::uint32_t packed = 0;
    const int width = static_cast<int>(std::min<std::size_t>(pegs.size(), MaxPegs));
    for (int hole = 0; hole < width; ++hole)
        packed |= (static_cast<std::uint32_t>(pegs[static_cast<std::size_t>(hole)]) & 7u) << (3 * hole);
    return TCode(packed, width);
}

std::optional<TCode> TCode::FromDigits(std::string_view digits)
{
    if (digits.empty() || digits.size() > MaxPegs)
        return std::nullopt;
    std::array<int, MaxPegs> pegs{};
    for (std::size_t hole = 0; hole < digits.size(); ++hole) {
        if (digits[hole] < '1' || digits[hole] > '0' + Colours)
            return std::nullopt;
        pegs[hole] = ColorBarOrder[static_cast<std::size_t>(digits[hole] - '1')];
    }
    return FromPegs(std::span(pegs).first(digits.size()));
}

std::optional<TCode> TCode::FromColors(std::span<const TColor> colors)
{
    if (colors.empty() || colors.size() > MaxPegs)
        return std::nullopt;
    std::array<int, MaxPegs> pegs{};
    for (std::size_t hole = 0; hole < colors.size(); ++hole) {
        const auto* found = std::find(PegColors.begin(), PegColors.end(), colors[hole]);
        if (found == PegColors.end())
            return std::nullopt;
        pegs[hole] = static_cast<int>(found - PegColors.begin());
    }
    return FromPegs(std::span(pegs).first(colors.size()));
}

std::string TCode::Digits() const
{
    std::string digits;
    for (int hole = 0; hole < FWidth; ++hole)
        digits += static_cast<char>('1' + (std::find(ColorBarOrder.begin(), ColorBarOrder.end(), Peg(hole)) - ColorBarOrder.begin()));
    return digits;
}

std::array<TColor, TCode::MaxPegs> TCode::Colors() const
{
    std::array<TColor, MaxPegs> colors{};
    for (int hole = 0; hole < FWidth; ++hole)
        colors[static_cast<std::size_t>(hole)] = PegColors[static_cast<std::size_t>(Peg(hole))];
    return colors;
}

TKeyPegs Score(const TCode& guess, const TCode& secret)
{
    const auto g = guess.Colors();
    const auto s = secret.Colors();
    const std::size_t width = static_cast<std::size_t>(std::min(guess.Width(), secret.Width()));
    return {CountBlacks(std::span(g).first(width), std::span(s).first(width)),
            CountWhites(std::span(g).first(width), std::span(s).first(width))};
}

}  // namespace peglore
