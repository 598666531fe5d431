// The solver's speed, memory and play strength. Run a Release build on an
// otherwise quiet machine:
//   SolverBench [--widths 10,8,5] [--boards 4x6,4x6u] [--positions 1000] [--games 1000]
//               [--cpu] [--best-of K]
// --widths names boards of eight colours with repeats; --boards names
// boards as HOLESxCOLOURS, with a u for no repeated colour (unique), and
// plays them after the widths. More games narrow the standard error
// printed beside each average; the first 1000 secrets are the same whatever
// the number of games. For a machine others share, --cpu times by the
// processor time the program used instead of the clock on the wall, and
// --best-of K runs each operation K times and keeps the fastest.
// For each board it times the three operations over positions taken from
// play (a player who always guesses some code that fits the rows so far,
// 0 to 12 checked rows), and plays games in which every guess is the hint.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "bench/solver/HeapCount.h"
#include "game/GameNumber.h"
#include "solver/Solver.h"

using namespace peglore;

namespace {
using TClock = std::chrono::steady_clock;

struct TBoard {
    int Width = 0;
    TRules Rules;
    std::string Name() const
    {
        return std::to_string(Width) + " × " + std::to_string(Rules.ColoursInPlay()) +
               (Rules.Repeats ? "" : ", no repeats");
    }
};

// A secret of the board drawn uniformly; on the standard board the same
// draws as ever.
TCode RandomCode(TSplitMix64& random, const TBoard& board)
{
    std::vector<int> colours;
    for (int colour = 0; colour < TCode::Colours; ++colour)
        if (board.Rules.InPlay(colour))
            colours.push_back(colour);
    std::vector<int> pegs(static_cast<std::size_t>(board.Width));
    for (;;) {
        for (int& peg : pegs)
            peg = colours[random.Below(colours.size())];
        const TCode code = TCode::FromPegs(pegs);
        if (board.Rules.Allows(code))
            return code;
    }
}

// Every secret of the board in increasing order of its packed pegs.
std::vector<TCode> AllSecrets(const TBoard& board)
{
    std::vector<TCode> secrets = *ListFitting(board.Width, board.Rules, {}, board.Rules.Secrets(board.Width));
    std::sort(secrets.begin(), secrets.end(), [](const TCode& a, const TCode& b) { return a.Packed() < b.Packed(); });
    return secrets;
}

// How the operations are timed.
struct TTiming {
    bool ProcessorTime = false;  // the processor time the program used, not the clock on the wall
    int BestOf = 1;  // each operation run this many times, the fastest kept
};

double NowMs(const TTiming& timing)
{
    if (timing.ProcessorTime) {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
    }
    return std::chrono::duration<double, std::milli>(TClock::now().time_since_epoch()).count();
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
void Time(TTimes& times, const TTiming& timing, TWork work)
{
    double fastest = 0;
    std::size_t peak = 0;
    for (int run = 0; run < std::max(1, timing.BestOf); ++run) {
        const std::size_t before = HeapLiveBytes();
        ResetHeapPeak();
        const double start = NowMs(timing);
        work();
        const double ms = NowMs(timing) - start;
        fastest = run == 0 ? ms : std::min(fastest, ms);
        peak = std::max(peak, HeapPeakBytes() - before);
    }
    times.Add(fastest, peak);
}

std::vector<TCheckedRow> PlayedPosition(TSplitMix64& random, const TBoard& board)
{
    const TCode secret = RandomCode(random, board);
    const int rows = static_cast<int>(random.Below(13));
    std::vector<TCheckedRow> played;
    for (int r = 0; r < rows; ++r) {
        const TCode guess = (*DrawFitting(board.Width, board.Rules, played, 1, random.Next()))[0];
        if (guess == secret)
            break;
        played.push_back({guess, Score(guess, secret)});
    }
    return played;
}

int GuessesFollowingHints(const TCode& secret, const TBoard& board)
{
    std::vector<TCheckedRow> played;
    for (;;) {
        const TCode guess = *Hint(board.Width, board.Rules, played);
        played.push_back({guess, Score(guess, secret)});
        if (guess == secret)
            return static_cast<int>(played.size());
    }
}

std::vector<std::string> ParseList(const char* text)
{
    std::vector<std::string> values;
    for (std::string item; ; ++text) {
        if (*text == ',' || *text == '\0') {
            if (!item.empty())
                values.push_back(item);
            item.clear();
            if (*text == '\0')
                break;
        } else {
            item += *text;
        }
    }
    return values;
}

// HOLESxCOLOURS with a u for no repeats, such as 4x6u.
TBoard ParseBoard(const std::string& text)
{
    TBoard board;
    board.Width = std::clamp(std::atoi(text.c_str()), 1, TCode::MaxPegs);
    const std::size_t x = text.find('x');
    if (x != std::string::npos)
        board.Rules.Colours = std::atoi(text.c_str() + x + 1);
    board.Rules.Repeats = text.back() != 'u';
    return board;
}
}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> widths = {"10", "8", "5"};
    std::vector<std::string> named;
    int positions = 1000;
    int games = 1000;
    TTiming timing;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--cpu")
            timing.ProcessorTime = true;
        else if (i + 1 == argc)
            break;
        else if (option == "--widths")
            widths = ParseList(argv[++i]);
        else if (option == "--boards")
            named = ParseList(argv[++i]);
        else if (option == "--positions")
            positions = std::atoi(argv[++i]);
        else if (option == "--games")
            games = std::atoi(argv[++i]);
        else if (option == "--best-of")
            timing.BestOf = std::atoi(argv[++i]);
    }
    std::vector<TBoard> boards;
    for (const std::string& width : widths)
        boards.push_back(ParseBoard(width));
    for (const std::string& name : named) {
        const TBoard board = ParseBoard(name);
        if (board.Rules.AdmitsWidth(board.Width))
            boards.push_back(board);
        else
            std::fprintf(stderr, "%s has no secret without repeats; left out\n", name.c_str());
    }

    if (positions > 0) {
        std::printf("| board | positions | fitting code p50 / p99 / max ms | exact count p50 / p99 / max ms "
                    "| hint p50 / p99 / max ms | peak heap of one operation MiB |\n|---|---|---|---|---|---|\n");
        for (const TBoard& board : boards) {
            const int width = board.Width;
            const TRules& rules = board.Rules;
            TSplitMix64 random(0xBE7C4000u + static_cast<std::uint64_t>(width));
            TTimes fit, count, hint;
            for (int p = 0; p < positions; ++p) {
                const auto played = PlayedPosition(random, board);
                Time(fit, timing, [&] { (void)FindFitting(width, rules, played); });
                Time(count, timing, [&] { (void)CountFitting(width, rules, played); });
                Time(hint, timing, [&] { (void)Hint(width, rules, played); });
            }
            const std::size_t peak = std::max({fit.PeakBytes, count.PeakBytes, hint.PeakBytes});
            std::printf("| %s | %d | %.2f / %.2f / %.2f | %.2f / %.2f / %.2f | %.2f / %.2f / %.2f | %.1f |\n",
                        board.Name().c_str(), positions, fit.Quantile(0.5), fit.Quantile(0.99), fit.Quantile(1),
                        count.Quantile(0.5), count.Quantile(0.99), count.Quantile(1), hint.Quantile(0.5),
                        hint.Quantile(0.99), hint.Quantile(1), static_cast<double>(peak) / (1024.0 * 1024.0));
            std::fflush(stdout);
        }
    }
    if (games <= 0)
        return 0;
    std::printf("\n| board | secrets | average guesses following hints | standard error | most | guesses: games |\n"
                "|---|---|---|---|---|---|\n");
    for (const TBoard& board : boards) {
        TSplitMix64 random(0x6A3E5000u + static_cast<std::uint64_t>(board.Width));
        // Where the board has no more than `games` secrets, every one plays.
        const bool everySecret = board.Rules.Secrets(board.Width) <= static_cast<std::uint64_t>(games);
        const std::vector<TCode> all = everySecret ? AllSecrets(board) : std::vector<TCode>();
        const int played = everySecret ? static_cast<int>(all.size()) : games;
        std::map<int, int> histogram;
        long total = 0;
        for (int g = 0; g < played; ++g) {
            const TCode secret = everySecret ? all[static_cast<std::size_t>(g)] : RandomCode(random, board);
            const int guesses = GuessesFollowingHints(secret, board);
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
        std::printf("| %s | %d%s | %.4f | %s | %d | %s|\n", board.Name().c_str(), played, everySecret ? " (all)" : "",
                    mean, error, histogram.rbegin()->first, spread.c_str());
        std::fflush(stdout);
    }
    return 0;
}
