#include "solver/Strategies.h"

#include <bit>

namespace peglore {

namespace {
#include "solver/Strategy3x8.inc"
#include "solver/Strategy4x6.inc"
#include "solver/Strategy4x6u.inc"
#include "solver/Strategy4x8.inc"

constexpr TStrategy Shipped[] = {Strategy3x8, Strategy4x6, Strategy4x6u, Strategy4x8};
}  // namespace

std::span<const TStrategy> ShippedStrategies()
{
    return Shipped;
}

const TStrategy* ShippedStrategy(int width, const TRules& rules)
{
    for (const TStrategy& strategy : Shipped)
        if (strategy.Width == width && strategy.Rules == rules)
            return &strategy;
    return nullptr;
}

int StrategyAnswer(int width, const TKeyPegs& answer)
{
    if (!answer.PossibleOn(width) || answer.Blacks == width)
        return -1;
    int number = 0;
    for (int blacks = 0; blacks < width; ++blacks)
        for (int whites = 0; blacks + whites <= width; ++whites) {
            if (!TKeyPegs{blacks, whites}.PossibleOn(width))
                continue;
            if (answer == TKeyPegs{blacks, whites})
                return number;
            ++number;
        }
    return -1;
}

std::optional<TCode> StrategyHint(const TStrategy& strategy, std::span<const TCheckedRow> rows)
{
    const TStrategyNode* node = &strategy.Nodes.front();
    for (const TCheckedRow& row : rows) {
        const int answer = StrategyAnswer(strategy.Width, row.Answer);
        if (row.Guess != *TCode::FromDigits(node->Guess) || answer < 0 || (node->Children >> answer & 1u) == 0)
            return std::nullopt;
        const auto before = static_cast<std::size_t>(std::popcount(node->Children & ((1u << answer) - 1u)));
        node = &strategy.Nodes[static_cast<std::size_t>(node->FirstChild) + before];
    }
    return TCode::FromDigits(node->Guess);
}

}  // namespace peglore
