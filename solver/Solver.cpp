#include "solver/Solver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "game/GameNumber.h"
#include "solver/FastScore.h"
#include "solver/THalfJoin.h"

namespace peglore {

namespace {
// Up to this many secrets every fitting code is weighed against every
// secret; beyond it, a sample of each stands in for them.
static std::uint64_t ExhaustiveSecrets = getenv("EXS") ? atoi(getenv("EXS")) : 1500;
static int SampledSecrets = getenv("SS") ? atoi(getenv("SS")) : 1500;
static int SampledGuesses = getenv("SG") ? atoi(getenv("SG")) : 600;
static int Parts = getenv("PARTS") ? 1 : 0;

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

template <class TResult, class TWork>
std::optional<TResult> Stoppable(TWork work)
{
    try {
        return work();
    } catch (const TSolverStopped&) {
        return std::nullopt;
    }
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

// The guess whose answers split the secrets most evenly: the least sum of
// n log n over the parts, which is the most information on average.
std::uint32_t MostInformative(int width, const TCandidates& guesses, const TCandidates& secrets,
                              const std::stop_token& stop)
{
    std::vector<double> nLogN(secrets.Codes.size() + 1, 0.0);
    for (std::size_t n = 2; n < nLogN.size(); ++n)
        nLogN[n] = static_cast<double>(n) * std::log2(static_cast<double>(n));
    std::uint32_t best = guesses.Codes.front();
    double bestSpread = 0;
    bool first = true;
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
        if (Parts) { for (std::uint32_t n : parts) spread -= n ? 1 : 0; } else
        for (std::uint32_t n : parts)
            spread += nLogN[n];
        if (first || spread < bestSpread) {
            best = guess;
            bestSpread = spread;
            first = false;
        }
    }
    return best;
}
}  // namespace

bool Fits(const TCode& code, std::span<const TCheckedRow> rows)
{
    return std::all_of(rows.begin(), rows.end(), [&code](const TCheckedRow& row) {
        return row.Guess.Width() == code.Width() && Score(row.Guess, code) == row.Answer;
    });
}

std::optional<TFitSearch> FindFitting(int width, std::span<const TCheckedRow> rows, std::stop_token stop)
{
    const auto first = [&](std::size_t rowCount) -> std::optional<TCode> {
        std::optional<TCode> found;
        THalfJoin(width, rows.first(rowCount), stop).ForEach([&](std::uint32_t code) {
            found = TCode(code, width);
            return false;
        }, stop);
        return found;
    };
    return Stoppable<TFitSearch>([&] {
        TFitSearch search;
        search.Code = first(rows.size());
        if (search.Code)
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

std::optional<std::uint64_t> CountFitting(int width, std::span<const TCheckedRow> rows, std::stop_token stop)
{
    return Stoppable<std::uint64_t>([&] { return THalfJoin(width, rows, stop).Count(stop); });
}

std::optional<std::vector<TCode>> DrawFitting(int width, std::span<const TCheckedRow> rows, int count,
                                              std::uint64_t seed, std::stop_token stop)
{
    return Stoppable<std::vector<TCode>>([&] {
        std::vector<TCode> codes;
        const THalfJoin join(width, rows, stop);
        if (join.Count(stop) == 0)
            return codes;
        TSplitMix64 random(seed);
        for (int i = 0; i < count; ++i)
            codes.emplace_back(join.Draw(random, stop), width);
        return codes;
    });
}

std::optional<std::vector<TCode>> ListFitting(int width, std::span<const TCheckedRow> rows, std::uint64_t limit,
                                              std::stop_token stop)
{
    return Stoppable<std::vector<TCode>>([&] {
        std::vector<TCode> codes;
        const THalfJoin join(width, rows, stop);
        if (join.Count(stop) > limit)
            return codes;
        join.ForEach([&](std::uint32_t code) {
            codes.emplace_back(code, width);
            return true;
        }, stop);
        return codes;
    });
}

std::optional<TCode> Hint(int width, std::span<const TCheckedRow> rows, std::stop_token stop)
{
    if (rows.empty())
        return Opening(width);
    try {
        const THalfJoin join(width, rows, stop);
        const std::uint64_t count = join.Count(stop);
        if (count == 0)
            return std::nullopt;
        TCandidates secrets;
        TCandidates guesses;
        if (count <= ExhaustiveSecrets) {
            join.ForEach([&](std::uint32_t code) {
                secrets.Add(code, width);
                return true;
            }, stop);
            guesses = secrets;
        } else {
            TSplitMix64 random(SeedOf(width, rows));
            for (int i = 0; i < SampledSecrets; ++i)
                secrets.Add(join.Draw(random, stop), width);
            for (int i = 0; i < SampledGuesses; ++i)
                guesses.Add(join.Draw(random, stop), width);
        }
        return TCode(MostInformative(width, guesses, secrets, stop), width);
    } catch (const TSolverStopped&) {
        return std::nullopt;
    }
}

TCode Opening(int width)
{
    // Chosen for the fewest guesses on average when every guess follows
    // the hint, measured by bench/solver.
    if (getenv("OPEN") && (int)strlen(getenv("OPEN")) == width) return *TCode::FromDigits(getenv("OPEN"));
    static constexpr std::array<const char*, TCode::MaxPegs + 1> openings = {
        "", "1", "12", "112", "1122", "11223", "112233", "1122334", "11223344", "112233445", "1122334455"};
    return *TCode::FromDigits(openings[static_cast<std::size_t>(std::clamp(width, 1, TCode::MaxPegs))]);
}

}  // namespace peglore
