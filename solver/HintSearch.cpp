#include "solver/HintSearch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "game/GameNumber.h"
#include "solver/FastScore.h"
#include "solver/THalfJoin.h"

namespace peglore {

namespace {
constexpr std::size_t LookAheadGuesses = 20;
// Few secrets left: the guess with the fewest guesses in all, over every
// way the game can go on, playing only codes that fit. Gives up (nothing)
// when the search grows past its budget of steps.
class TEndgame {
public:
    TEndgame(int width, const std::stop_token& stop) : FWidth(width), FStop(stop) {}

    std::optional<std::uint32_t> Best(const std::vector<std::uint32_t>& secrets)
    {
        std::uint32_t best = secrets.front();
        if (Total(secrets, std::numeric_limits<int>::max(), best) == Failed)
            return std::nullopt;
        return best;
    }

private:
    static constexpr int Failed = -1;
    static constexpr long Budget = 200000;

    // The least total of guesses over secrets (each secret counts the
    // guesses until it is played) when below bound; bound itself when
    // nothing does better, Failed past the budget.
    int Total(const std::vector<std::uint32_t>& secrets, int bound, std::uint32_t& best)
    {
        const int n = static_cast<int>(secrets.size());
        if (n <= 2) {
            best = secrets.front();
            return n == 1 ? 1 : 3;
        }
        if ((FSteps += n) > Budget)
            return Failed;
        if ((FSteps & 1023) < static_cast<long>(n) && FStop.stop_requested())
            throw TSolverStopped{};
        std::vector<std::uint64_t> counts;
        for (std::uint32_t code : secrets)
            counts.push_back(fastscore::ColourCounts(code, FWidth));
        int result = bound;
        for (int g = 0; g < n; ++g) {
            std::array<std::vector<std::uint32_t>, fastscore::AnswerSlots> parts;
            for (int s = 0; s < n; ++s)
                if (s != g)
                    parts[static_cast<std::size_t>(fastscore::AnswerSlot(
                              fastscore::Blacks(secrets[static_cast<std::size_t>(g)], secrets[static_cast<std::size_t>(s)], FWidth),
                              fastscore::Matches(counts[static_cast<std::size_t>(g)], counts[static_cast<std::size_t>(s)])))]
                        .push_back(secrets[static_cast<std::size_t>(s)]);
            // Each further part takes at least one guess a secret and one
            // more for all but the one it guesses next.
            int lower = n;
            for (const auto& part : parts)
                lower += part.empty() ? 0 : 2 * static_cast<int>(part.size()) - 1;
            if (lower >= result)
                continue;
            int total = lower;
            for (const auto& part : parts) {
                if (part.size() < 3)
                    continue;
                const int partLower = 2 * static_cast<int>(part.size()) - 1;
                std::uint32_t ignored = 0;
                const int sub = Total(part, result - (total - partLower), ignored);
                if (sub == Failed)
                    return Failed;
                total += sub - partLower;
                if (total >= result)
                    break;
            }
            if (total < result) {
                result = total;
                best = secrets[static_cast<std::size_t>(g)];
            }
        }
        return result;
    }

    int FWidth;
    const std::stop_token& FStop;
    long FSteps = 0;
};

std::uint64_t SeedOf(int width, std::span<const TCheckedRow> rows)
{
    std::uint64_t seed = 0x5EED0000u + static_cast<std::uint64_t>(width);
    for (const TCheckedRow& row : rows) {
        TSplitMix64 mix(seed ^ row.Guess.Packed() ^ (std::uint64_t(row.Answer.Blacks) << 40)
                        ^ (std::uint64_t(row.Answer.Whites) << 48));
        seed = mix.Next();
    }
    return seed;
}

struct TCandidates {
    std::vector<std::uint32_t> Codes;
    std::vector<std::uint64_t> Counts;  // colour counts of each
    void Add(std::uint32_t code, int width)
    {
        Codes.push_back(code);
        Counts.push_back(fastscore::ColourCounts(code, width));
    }
};

// How evenly each guess splits the secrets: the sum of n log n over the
// parts its answers make, less for a more even split (the most information
// on average).
std::vector<double> NLogN(std::size_t most)
{
    std::vector<double> nLogN(most + 1, 0.0);
    for (std::size_t n = 2; n < nLogN.size(); ++n)
        nLogN[n] = static_cast<double>(n) * std::log2(static_cast<double>(n));
    return nLogN;
}

std::vector<double> Spreads(int width, const TCandidates& guesses, const TCandidates& secrets,
                            const std::stop_token& stop)
{
    const std::vector<double> nLogN = NLogN(secrets.Codes.size());
    std::vector<double> spreads;
    std::array<std::uint32_t, fastscore::AnswerSlots> parts{};
    for (std::size_t g = 0; g < guesses.Codes.size(); ++g) {
        if ((g & 31) == 0 && stop.stop_requested())
            throw TSolverStopped{};
        parts.fill(0);
        const std::uint32_t guess = guesses.Codes[g];
        const std::uint64_t counts = guesses.Counts[g];
        for (std::size_t s = 0; s < secrets.Codes.size(); ++s)
            ++parts[static_cast<std::size_t>(fastscore::AnswerSlot(fastscore::Blacks(guess, secrets.Codes[s], width),
                                                                  fastscore::Matches(counts, secrets.Counts[s])))];
        double spread = 0;
        for (std::uint32_t n : parts)
            spread += nLogN[n];
        spreads.push_back(spread);
    }
    return spreads;
}

// The answers a board of width holes can give, numbered in the order of
// their slots.
struct TAnswerNumbers {
    explicit TAnswerNumbers(int width)
    {
        Of.fill(0);
        for (int blacks = 0; blacks <= width; ++blacks)
            for (int whites = 0; blacks + whites <= width; ++whites)
                if (TKeyPegs{blacks, whites}.PossibleOn(width))
                    Of[static_cast<std::size_t>(fastscore::AnswerSlot(blacks, blacks + whites))] = Count++;
        AllBlack = Of[static_cast<std::size_t>(fastscore::AnswerSlot(width, width))];
    }
    std::array<std::uint8_t, fastscore::AnswerSlots> Of{};
    std::size_t Count = 0;
    std::size_t AllBlack = 0;
};

// For every secret as the guess, how many secrets give each answer (by
// TAnswerNumbers), row by row. A pair's answer is the same both ways, so
// each pair is scored once.
std::vector<std::uint16_t> AnswerCounts(int width, const TAnswerNumbers& answers, const TCandidates& secrets,
                                        const std::stop_token& stop)
{
    const std::size_t n = secrets.Codes.size();  // at most 65535
    std::vector<std::uint16_t> counts(n * answers.Count, 0);
    for (std::size_t g = 0; g < n; ++g) {
        if ((g & 31) == 0 && stop.stop_requested())
            throw TSolverStopped{};
        const std::uint32_t guess = secrets.Codes[g];
        const std::uint64_t colours = secrets.Counts[g];
        std::uint16_t* mine = &counts[g * answers.Count];
        ++mine[answers.AllBlack];
        for (std::size_t s = g + 1; s < n; ++s) {
            const std::size_t answer = answers.Of[static_cast<std::size_t>(fastscore::AnswerSlot(
                fastscore::Blacks(guess, secrets.Codes[s], width), fastscore::Matches(colours, secrets.Counts[s])))];
            ++mine[answer];
            ++counts[s * answers.Count + answer];
        }
    }
    return counts;
}

// Spreads when every secret is a guess too: the same numbers, found faster.
std::vector<double> SpreadsAmongThemselves(int width, const TCandidates& secrets, const std::stop_token& stop)
{
    const TAnswerNumbers answers(width);
    const std::vector<std::uint16_t> counts = AnswerCounts(width, answers, secrets, stop);
    const std::vector<double> nLogN = NLogN(secrets.Codes.size());
    std::vector<double> spreads(secrets.Codes.size(), 0.0);
    for (std::size_t g = 0; g < spreads.size(); ++g)
        for (std::size_t a = 0; a < answers.Count; ++a)
            spreads[g] += nLogN[counts[g * answers.Count + a]];
    return spreads;
}

// The secrets split by their answers to guess; the guess itself, if it is
// one of them, stays out of every part.
std::vector<TCandidates> Parts(int width, std::uint32_t guess, const TCandidates& secrets)
{
    std::array<int, fastscore::AnswerSlots> index{};
    index.fill(-1);
    std::vector<TCandidates> parts;
    const std::uint64_t counts = fastscore::ColourCounts(guess, width);
    for (std::size_t s = 0; s < secrets.Codes.size(); ++s) {
        if (secrets.Codes[s] == guess)
            continue;
        int& slot = index[static_cast<std::size_t>(fastscore::AnswerSlot(
            fastscore::Blacks(guess, secrets.Codes[s], width), fastscore::Matches(counts, secrets.Counts[s])))];
        if (slot < 0) {
            slot = static_cast<int>(parts.size());
            parts.emplace_back();
        }
        parts[static_cast<std::size_t>(slot)].Add(secrets.Codes[s], width);
    }
    return parts;
}

// Roughly how many guesses all the secrets of a part of n take together.
double TotalGuessesOf(std::size_t n)
{
    if (n <= 2)
        return n == 1 ? 1.0 : 3.0;
    const double size = static_cast<double>(n);
    return size * (1.0 + 0.55 * std::log2(size));
}

// The guesses all secrets take when guess is played now and, in each part
// it leaves, the best guess of the part next (looked at one move ahead).
double LookAhead(int width, std::uint32_t guess, const TCandidates& secrets, const std::stop_token& stop)
{
    const TAnswerNumbers answers(width);
    std::vector<double> totals(secrets.Codes.size() + 1, 0.0);  // TotalGuessesOf, 0 for no secret
    for (std::size_t n = 1; n < totals.size(); ++n)
        totals[n] = TotalGuessesOf(n);
    double total = static_cast<double>(secrets.Codes.size());
    for (const TCandidates& part : Parts(width, guess, secrets)) {
        const std::size_t n = part.Codes.size();
        if (n <= 2) {
            total += TotalGuessesOf(n);
            continue;
        }
        if (stop.stop_requested())
            throw TSolverStopped{};
        std::vector<std::uint16_t> counts = AnswerCounts(width, answers, part, stop);
        double best = std::numeric_limits<double>::max();
        for (std::size_t g = 0; g < n; ++g) {
            const std::uint16_t* sizes = &counts[g * answers.Count];
            // The part of all blacks is the guess itself, found at once.
            double cost = static_cast<double>(n);
            for (std::size_t a = 0; a < answers.Count; ++a)
                if (a != answers.AllBlack)
                    cost += totals[sizes[a]];
            best = std::min(best, cost);
        }
        total += best;
    }
    return total;
}

// The guess that splits the secrets most evenly; with every secret known
// (and every one a guess) and not too many of them, the few most even ones
// are looked at one move further.
std::uint32_t BestGuess(int width, const TCandidates& guesses, const TCandidates& secrets, bool everySecret,
                        bool lookAhead, const std::stop_token& stop)
{
    const std::vector<double> spreads = everySecret && secrets.Codes.size() <= std::numeric_limits<std::uint16_t>::max()
                                            ? SpreadsAmongThemselves(width, secrets, stop)
                                            : Spreads(width, guesses, secrets, stop);
    std::vector<std::size_t> order(spreads.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    const std::size_t considered = lookAhead ? std::min<std::size_t>(LookAheadGuesses, order.size()) : 1;
    std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(considered), order.end(),
                      [&spreads](std::size_t a, std::size_t b) { return spreads[a] < spreads[b] || (spreads[a] == spreads[b] && a < b); });
    std::uint32_t best = guesses.Codes[order.front()];
    if (considered > 1) {
        double bestTotal = std::numeric_limits<double>::max();
        for (std::size_t i = 0; i < considered; ++i) {
            const std::uint32_t guess = guesses.Codes[order[i]];
            const double total = LookAhead(width, guess, secrets, stop);
            if (total < bestTotal) {
                bestTotal = total;
                best = guess;
            }
        }
    }
    return best;
}
}  // namespace

std::optional<TCode> SearchHint(int width, const TRules& rules, std::span<const TCheckedRow> rows,
                                const THintBudget& budget, const std::stop_token& stop)
{
    const THalfJoin join(width, rules, rows, stop);
    const std::uint64_t count = join.Count(stop);
    if (count == 0)
        return std::nullopt;
    TCandidates secrets;
    TCandidates guesses;
    if (count <= budget.ExhaustiveSecrets) {
        join.ForEach([&](std::uint32_t code) {
            secrets.Add(code, width);
            return true;
        }, stop);
        guesses = secrets;
    } else {
        TSplitMix64 random(SeedOf(width, rows));
        for (int i = 0; i < budget.SampledSecrets; ++i)
            secrets.Add(join.Draw(random, stop), width);
        for (int i = 0; i < budget.SampledGuesses; ++i)
            guesses.Add(join.Draw(random, stop), width);
    }
    if (count <= budget.EndgameSecrets)
        if (const auto best = TEndgame(width, stop).Best(secrets.Codes))
            return TCode(*best, width);
    return TCode(
        BestGuess(width, guesses, secrets, count <= budget.ExhaustiveSecrets, count <= budget.LookAheadSecrets, stop),
        width);
}

}  // namespace peglore
