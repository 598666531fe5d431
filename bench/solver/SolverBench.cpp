// The solver's speed, memory and play strength. Run a Release build on an
// otherwise quiet machine:
//   SolverBench [--widths 10,8,5] [--positions 1000] [--games 1000]
// More games narrow the standard error printed beside each average; the
// first 1000 secrets are the same whatever the number of games.
// For each width it times the three operations over positions taken from
// play (a player who always guesses some code that fits the rows so far,
// 0 to 12 checked rows), and plays games in which every guess is the hint.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "bench/solver/HeapCount.h"
#include "game/GameNumber.h"
#include "solver/Solver.h"

using namespace peglore;

namespace {
using TClock = std::chrono::steady_clock;

TCode RandomCode(TSplitMix64& random, int width)
{
    std::vector<int> pegs(static_cast<std::size_t>(width));
    for (int& peg : pegs)
        peg = static_cast<int>(random.Below(8));
    return TCode::FromPegs(pegs);
}

struct TTimes {
    std::vector<double> Ms;
    std::size_t PeakBytes = 0;
    void Add(double ms, std::size_t peak)
    {
        Ms.push_back(ms);
        PeakBytes = std::max(PeakBytes, peak);
    }
    double Quantile(double q)
    {
        std::sort(Ms.begin(), Ms.end());
        return Ms[std::min(Ms.size() - 1, static_cast<std::size_t>(q * static_cast<double>(Ms.size())))];
    }
};

template <class TWork>
void Time(TTimes& times, TWork work)
{
    const std::size_t before = HeapLiveBytes();
    ResetHeapPeak();
    const auto start = TClock::now();
    work();
    const double ms = std::chrono::duration<double, std::milli>(TClock::now() - start).count();
    times.Add(ms, HeapPeakBytes() - before);
}

std::vector<TCheckedRow> PlayedPosition(TSplitMix64& random, int width)
{
    const TCode secret = RandomCode(random, width);
    const int rows = static_cast<int>(random.Below(13));
    std::vector<TCheckedRow> played;
    for (int r = 0; r < rows; ++r) {
        const TCode guess = (*DrawFitting(width, played, 1, random.Next()))[0];
        if (guess == secret)
            break;
        played.push_back({guess, Score(guess, secret)});
    }
    return played;
}

int GuessesFollowingHints(const TCode& secret, int width)
{
    std::vector<TCheckedRow> played;
    for (;;) {
        const TCode guess = *Hint(width, played);
        played.push_back({guess, Score(guess, secret)});
        if (guess == secret)
            return static_cast<int>(played.size());
    }
}

std::vector<int> ParseList(const char* text)
{
    std::vector<int> values;
    for (std::string item; ; ++text) {
        if (*text == ',' || *text == '\0') {
            if (!item.empty())
                values.push_back(std::atoi(item.c_str()));
            item.clear();
            if (*text == '\0')
                break;
        } else {
            item += *text;
        }
    }
    return values;
}
}  // namespace

int main(int argc, char** argv)
{
    std::vector<int> widths = {10, 8, 5};
    int positions = 1000;
    int games = 1000;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--widths")
            widths = ParseList(argv[i + 1]);
        else if (option == "--positions")
            positions = std::atoi(argv[i + 1]);
        else if (option == "--games")
            games = std::atoi(argv[i + 1]);
    }

    if (positions > 0) {
    std::printf("| holes | positions | fitting code p50 / p99 / max ms | exact count p50 / p99 / max ms "
                "| hint p50 / p99 / max ms | peak heap of one operation MiB |\n|---|---|---|---|---|---|\n");
    for (int width : widths) {
        TSplitMix64 random(0xBE7C4000u + static_cast<std::uint64_t>(width));
        TTimes fit, count, hint;
        for (int p = 0; p < positions; ++p) {
            const auto played = PlayedPosition(random, width);
            Time(fit, [&] { (void)FindFitting(width, played); });
            Time(count, [&] { (void)CountFitting(width, played); });
            Time(hint, [&] { (void)Hint(width, played); });
        }
        const std::size_t peak = std::max({fit.PeakBytes, count.PeakBytes, hint.PeakBytes});
        std::printf("| %d | %d | %.2f / %.2f / %.2f | %.2f / %.2f / %.2f | %.2f / %.2f / %.2f | %.1f |\n", width,
                    positions, fit.Quantile(0.5), fit.Quantile(0.99), fit.Quantile(1), count.Quantile(0.5),
                    count.Quantile(0.99), count.Quantile(1), hint.Quantile(0.5), hint.Quantile(0.99),
                    hint.Quantile(1), static_cast<double>(peak) / (1024.0 * 1024.0));
        std::fflush(stdout);
    }

    }
    if (games <= 0)
        return 0;
    std::printf("\n| holes | secrets | average guesses following hints | standard error | most | guesses: games |\n"
                "|---|---|---|---|---|---|\n");
    for (int width : widths) {
        TSplitMix64 random(0x6A3E5000u + static_cast<std::uint64_t>(width));
        // Where the board has no more than `games` secrets, every one plays.
        std::uint64_t all = 1;
        for (int i = 0; i < width; ++i)
            all *= 8;
        const bool everySecret = all <= static_cast<std::uint64_t>(games);
        const int played = everySecret ? static_cast<int>(all) : games;
        std::map<int, int> histogram;
        long total = 0;
        for (int g = 0; g < played; ++g) {
            const TCode secret = everySecret ? TCode(static_cast<std::uint32_t>(g), width) : RandomCode(random, width);
            const int guesses = GuessesFollowingHints(secret, width);
            total += guesses;
            ++histogram[guesses];
        }
        const double mean = static_cast<double>(total) / played;
        double squares = 0;
        std::string spread;
        for (const auto& [guesses, n] : histogram) {
            spread += std::to_string(guesses) + ": " + std::to_string(n) + "  ";
            squares += n * (guesses - mean) * (guesses - mean);
        }
        // The standard error of the average: how far another draw of as many
        // secrets may land. Nothing when every secret was played.
        char error[32] = "exact";
        if (!everySecret && played > 1)
            std::snprintf(error, sizeof error, "± %.3f", std::sqrt(squares / (played - 1) / played));
        std::printf("| %d | %d%s | %.4f | %s | %d | %s|\n", width, played, everySecret ? " (all)" : "", mean,
                    error, histogram.rbegin()->first, spread.c_str());
        std::fflush(stdout);
    }
    return 0;
}
