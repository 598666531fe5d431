#include "solver/Solver.h"

#include <algorithm>
#include <array>

#include "game/GameNumber.h"
#include "solver/HintSearch.h"
#include "solver/OpeningBook.h"
#include "solver/Strategies.h"
#include "solver/THalfJoin.h"

namespace peglore {

namespace {
template <class TResult, class TWork>
std::optional<TResult> Stoppable(TWork work)
{
    try {
        return work();
    } catch (const TSolverStopped&) {
        return std::nullopt;
    }
}

}  // namespace

std::optional<TCode> Hint(int width, const TRules& rules, std::span<const TCheckedRow> rows, std::stop_token stop)
{
    if (!rules.AdmitsWidth(width))
        return std::nullopt;
    if (const TStrategy* strategy = ShippedStrategy(width, rules))
        if (const auto guess = StrategyHint(*strategy, rows))
            return guess;
    if (rows.empty())
        return Opening(width, rules);
    if (rows.size() == 1)
        if (const auto book = BookHint(width, rules, rows.front()))
            return book;
    return Stoppable<std::optional<TCode>>([&] { return SearchHint(width, rules, rows, THintBudget(), stop); })
        .value_or(std::nullopt);
}

bool Fits(const TCode& code, const TRules& rules, std::span<const TCheckedRow> rows)
{
    return rules.Allows(code) && std::all_of(rows.begin(), rows.end(), [&code](const TCheckedRow& row) {
               return row.Guess.Width() == code.Width() && Score(row.Guess, code) == row.Answer;
           });
}

std::optional<TFitSearch> FindFitting(int width, const TRules& rules, std::span<const TCheckedRow> rows,
                                      std::stop_token stop)
{
    const auto first = [&](std::size_t rowCount) -> std::optional<TCode> {
        std::optional<TCode> found;
        THalfJoin(width, rules, rows.first(rowCount), stop)
            .ForEach(
                [&](std::uint32_t code) {
                    found = TCode(code, width);
                    return false;
                },
                stop);
        return found;
    };
    return Stoppable<TFitSearch>([&] {
        TFitSearch search;
        search.Code = first(rows.size());
        if (search.Code || !rules.AdmitsWidth(width))
            return search;
        // Fewer rows fit no worse: the first row that leaves nothing is
        // found by halving.
        std::size_t fits = 0;  // a number of rows that some code fits
        std::size_t fails = rows.size();  // a number of rows no code fits
        while (fails - fits > 1) {
            const std::size_t middle = (fits + fails) / 2;
            (first(middle) ? fits : fails) = middle;
        }
        search.Contradiction = static_cast<int>(fails) - 1;
        return search;
    });
}

std::optional<std::uint64_t> CountFitting(int width, const TRules& rules, std::span<const TCheckedRow> rows,
                                          std::stop_token stop)
{
    return Stoppable<std::uint64_t>([&] { return THalfJoin(width, rules, rows, stop).Count(stop); });
}

std::optional<std::vector<TCode>> DrawFitting(int width, const TRules& rules, std::span<const TCheckedRow> rows,
                                              int count, std::uint64_t seed, std::stop_token stop)
{
    return Stoppable<std::vector<TCode>>([&] {
        std::vector<TCode> codes;
        const THalfJoin join(width, rules, rows, stop);
        if (join.Count(stop) == 0)
            return codes;
        TSplitMix64 random(seed);
        for (int i = 0; i < count; ++i)
            codes.emplace_back(join.Draw(random, stop), width);
        return codes;
    });
}

std::optional<std::vector<TCode>> ListFitting(int width, const TRules& rules, std::span<const TCheckedRow> rows,
                                              std::uint64_t limit, std::stop_token stop)
{
    return Stoppable<std::vector<TCode>>([&] {
        std::vector<TCode> codes;
        const THalfJoin join(width, rules, rows, stop);
        if (join.Count(stop) > limit)
            return codes;
        join.ForEach([&](std::uint32_t code) {
            codes.emplace_back(code, width);
            return true;
        }, stop);
        return codes;
    });
}

// The standard game: eight colours, repeats allowed.
bool Fits(const TCode& code, std::span<const TCheckedRow> rows)
{
    return Fits(code, TRules{}, rows);
}

std::optional<TFitSearch> FindFitting(int width, std::span<const TCheckedRow> rows, std::stop_token stop)
{
    return FindFitting(width, TRules{}, rows, stop);
}

std::optional<std::uint64_t> CountFitting(int width, std::span<const TCheckedRow> rows, std::stop_token stop)
{
    return CountFitting(width, TRules{}, rows, stop);
}

std::optional<std::vector<TCode>> DrawFitting(int width, std::span<const TCheckedRow> rows, int count,
                                              std::uint64_t seed, std::stop_token stop)
{
    return DrawFitting(width, TRules{}, rows, count, seed, stop);
}

std::optional<std::vector<TCode>> ListFitting(int width, std::span<const TCheckedRow> rows, std::uint64_t limit,
                                              std::stop_token stop)
{
    return ListFitting(width, TRules{}, rows, limit, stop);
}

std::optional<TCode> Hint(int width, std::span<const TCheckedRow> rows, std::stop_token stop)
{
    return Hint(width, TRules{}, rows, stop);
}

}  // namespace peglore
