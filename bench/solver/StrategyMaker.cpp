// Prints the strategy of a small board that the hint plays, as the table
// solver/Strategy<board>.inc that the program ships:
//   SolverStrategies 4x6 > solver/Strategy4x6.inc
// A board is HOLESxCOLOURS with a u for no repeated colour (4x6u). The
// strategy plays only codes that fit every answer so far, and among those
// it needs the fewest guesses in all over every secret of the board: an
// exhaustive branch and bound over the fitting guesses of every position,
// bounded below by how many secrets a tree of guesses can settle in each
// number of guesses, proves it. With --most N no secret takes more than N
// guesses (the least total under that limit); with --widest K a position
// of more than 40 secrets weighs only the K guesses with the best bounds,
// which is quick but proves nothing. Positions keep their symmetries (the
// hole orders and colour namings that leave every guess so far as it was),
// and only one guess of each set of guesses they make alike is weighed. It
// then searches whether any strategy of fitting guesses finds every secret
// in fewer guesses than the most this one takes. Progress, the result and
// the run time go to the standard error.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include "solver/FastScore.h"
#include "solver/Solver.h"
#include "solver/Strategies.h"

using namespace peglore;

namespace {
using TSet = std::vector<std::uint16_t>;  // secrets by their place in the board's list
constexpr int Impossible = 1 << 29;
constexpr int Unlimited = 64;  // guesses: more than any board of up to 4 holes needs

struct TBoard {
    int Width = 0;
    TRules Rules;
};

TBoard ParseBoard(const std::string& text)
{
    TBoard board;
    board.Width = std::atoi(text.c_str());
    const std::size_t x = text.find('x');
    if (x != std::string::npos)
        board.Rules.Colours = std::atoi(text.c_str() + x + 1);
    board.Rules.Repeats = text.back() != 'u';
    return board;
}

std::string BoardName(const TBoard& board)
{
    return std::to_string(board.Width) + "x" + std::to_string(board.Rules.ColoursInPlay()) +
           (board.Rules.Repeats ? "" : "u");
}

// The answers of a board numbered as the shipped tables number them, all
// blacks last.
class TAnswers {
public:
    explicit TAnswers(int width)
    {
        FIndex.fill(-1);
        for (int blacks = 0; blacks < width; ++blacks)
            for (int whites = 0; blacks + whites <= width; ++whites)
                if (const int answer = StrategyAnswer(width, {blacks, whites}); answer >= 0) {
                    FIndex[static_cast<std::size_t>(fastscore::AnswerSlot(blacks, blacks + whites))] = answer;
                    FCount = std::max(FCount, answer + 1);
                }
        FIndex[static_cast<std::size_t>(fastscore::AnswerSlot(width, width))] = FCount++;
    }
    int Count() const { return FCount; }
    int Win() const { return FCount - 1; }
    int Of(int blacks, int matches) const
    {
        return FIndex[static_cast<std::size_t>(fastscore::AnswerSlot(blacks, matches))];
    }

private:
    int FCount = 0;
    std::array<int, fastscore::AnswerSlots> FIndex{};
};

// A position's symmetries: hole orders with a renaming of the colours the
// guesses so far use that leave every one of those guesses as it was. The
// colours no guess has used yet may be renamed among themselves freely on
// top of these, which Canonical() does by naming them in order of first
// appearance.
struct TSymmetries {
    std::vector<std::array<int, TCode::MaxPegs>> Holes;  // code hole h takes hole Holes[e][h]
    std::vector<std::array<int, TCode::Colours>> Colours;  // -1 for a colour not yet used
    std::uint32_t Used = 0;  // colours the guesses so far use
};

class TSolver {
public:
    TSolver(const TBoard& board, int most, int widest)
        : FBoard(board), FAnswers(board.Width), FMost(most > 0 ? most : Unlimited), FWidest(widest)
    {
        FCodes = *ListFitting(board.Width, board.Rules, {}, board.Rules.Secrets(board.Width));
        // In the order of their digits, so the first of equal guesses reads first.
        std::sort(FCodes.begin(), FCodes.end(), [](const TCode& a, const TCode& b) { return a.Digits() < b.Digits(); });
        const std::size_t n = FCodes.size();
        FScores.resize(n * n);
        for (std::size_t g = 0; g < n; ++g) {
            const std::uint32_t guess = FCodes[g].Packed();
            const std::uint64_t counts = fastscore::ColourCounts(guess, board.Width);
            for (std::size_t s = 0; s < n; ++s) {
                const std::uint32_t secret = FCodes[s].Packed();
                FScores[g * n + s] = static_cast<std::uint8_t>(
                    FAnswers.Of(fastscore::Blacks(guess, secret, board.Width),
                                fastscore::Matches(counts, fastscore::ColourCounts(secret, board.Width))));
            }
        }
        // Up to k parts a guess, every way a part can split as evenly as
        // it may: a level of a tree of guesses holds at most k times the
        // level above it.
        FSplits = FAnswers.Count() - 1;
        FInPlay = board.Rules.PaletteMask();
        FTable.resize(std::size_t{1} << 23);
    }

    const TBoard& Board() const { return FBoard; }
    const TAnswers& Answers() const { return FAnswers; }
    const TCode& Code(std::uint16_t place) const { return FCodes[place]; }
    std::uint8_t Score(std::uint16_t guess, std::uint16_t secret) const
    {
        return FScores[static_cast<std::size_t>(guess) * FCodes.size() + secret];
    }
    TSet All() const
    {
        TSet all(FCodes.size());
        std::iota(all.begin(), all.end(), std::uint16_t{0});
        return all;
    }
    long Nodes() const { return FNodes; }

    // The least guesses a set of n secrets can take in all, with at most
    // levels guesses for any of them; Impossible when levels are too few.
    int LowerBound(std::size_t n, int levels) const
    {
        int total = 0;
        std::size_t level = 1;
        std::size_t width = 1;
        while (n > 0) {
            if (static_cast<int>(level) > levels)
                return Impossible;
            const std::size_t here = std::min(width, n);
            total += static_cast<int>(here * level);
            n -= here;
            ++level;
            width = std::min<std::size_t>(width * static_cast<std::size_t>(FSplits), std::size_t{1} << 40);
        }
        return total;
    }

    // The symmetries of the empty board.
    TSymmetries Start() const
    {
        TSymmetries start;
        std::array<int, TCode::MaxPegs> order{};
        std::iota(order.begin(), order.begin() + FBoard.Width, 0);
        do {
            start.Holes.push_back(order);
            std::array<int, TCode::Colours> colours{};
            colours.fill(-1);
            start.Colours.push_back(colours);
        } while (std::next_permutation(order.begin(), order.begin() + FBoard.Width));
        return start;
    }

    // Those of them that keep guess as it is.
    TSymmetries After(const TSymmetries& before, std::uint16_t guess) const
    {
        const TCode& code = FCodes[guess];
        TSymmetries after;
        after.Used = before.Used;
        for (int hole = 0; hole < FBoard.Width; ++hole)
            after.Used |= 1u << code.Peg(hole);
        for (std::size_t e = 0; e < before.Holes.size(); ++e) {
            std::array<int, TCode::Colours> colours = before.Colours[e];
            std::uint32_t taken = 0;
            for (int c = 0; c < TCode::Colours; ++c)
                if (colours[static_cast<std::size_t>(c)] >= 0)
                    taken |= 1u << colours[static_cast<std::size_t>(c)];
            bool keeps = true;
            for (int hole = 0; hole < FBoard.Width && keeps; ++hole) {
                const int from = code.Peg(hole);
                const int to = code.Peg(before.Holes[e][static_cast<std::size_t>(hole)]);
                int& image = colours[static_cast<std::size_t>(from)];
                if (image < 0 && (taken >> to & 1u) == 0) {
                    image = to;
                    taken |= 1u << to;
                }
                keeps = image == to;
            }
            if (keeps) {
                after.Holes.push_back(before.Holes[e]);
                after.Colours.push_back(colours);
            }
        }
        return after;
    }

    // The least packed image of a code under the symmetries, the colours
    // no guess has used named in order of first appearance in the image.
    std::uint32_t Canonical(const TSymmetries& symmetries, std::uint16_t place) const
    {
        const TCode& code = FCodes[place];
        std::uint32_t least = UINT32_MAX;
        for (std::size_t e = 0; e < symmetries.Holes.size(); ++e) {
            std::array<int, TCode::MaxPegs> from{};  // the code's hole that lands in each hole
            for (int hole = 0; hole < FBoard.Width; ++hole)
                from[static_cast<std::size_t>(symmetries.Holes[e][static_cast<std::size_t>(hole)])] = hole;
            std::array<int, TCode::Colours> fresh{};
            fresh.fill(-1);
            int nextFresh = 0;
            std::uint32_t image = 0;
            for (int hole = 0; hole < FBoard.Width; ++hole) {
                const int colour = code.Peg(from[static_cast<std::size_t>(hole)]);
                int to = symmetries.Colours[e][static_cast<std::size_t>(colour)];
                if ((symmetries.Used >> colour & 1u) == 0) {
                    if (fresh[static_cast<std::size_t>(colour)] < 0)
                        fresh[static_cast<std::size_t>(colour)] = nextFresh++;
                    to = 8 + fresh[static_cast<std::size_t>(colour)];
                }
                image |= static_cast<std::uint32_t>(to) << (4 * (FBoard.Width - 1 - hole));
            }
            least = std::min(least, image);
        }
        return least;
    }

    // The least total of guesses over set (sorted) when below bound, with
    // at most levels guesses for each secret; otherwise some number at
    // least bound that the total cannot be below. best is the guess.
    int Solve(const TSet& set, int bound, int levels, const TSymmetries& symmetries, int depth,
              std::uint16_t* best = nullptr)
    {
        const std::size_t n = set.size();
        if (n == 1) {
            if (best)
                *best = set[0];
            return levels >= 1 ? 1 : Impossible;
        }
        const int floor = LowerBound(n, levels);
        if (floor >= bound)
            return floor;
        ++FNodes;
        const std::uint64_t key = KeyOf(set, FMost < Unlimited ? levels : 0);
        TEntry& entry = FTable[key & (FTable.size() - 1)];
        if (entry.Key == key) {
            if (entry.Exact) {
                if (best)
                    *best = entry.Guess;
                return entry.Value;
            }
            if (entry.Value >= bound)
                return entry.Value;
        }

        // Every guess up to the symmetries, with the least total its parts'
        // sizes allow, best bound first.
        struct TCandidate {
            int Lower;
            int Parts;
            std::uint16_t Guess;
        };
        std::vector<TCandidate> candidates;
        const bool symmetric = symmetries.Holes.size() > 1 || (FInPlay & ~symmetries.Used) != 0;
        std::vector<std::uint16_t> guesses;
        if (symmetric) {
            std::vector<std::pair<std::uint32_t, std::uint16_t>> images;
            for (const std::uint16_t guess : set)
                images.emplace_back(Canonical(symmetries, guess), guess);
            std::sort(images.begin(), images.end());
            for (std::size_t i = 0; i < images.size(); ++i)
                if (i == 0 || images[i].first != images[i - 1].first)
                    guesses.push_back(images[i].second);
        } else {
            guesses = set;
        }
        std::array<int, 32> sizes{};
        for (const std::uint16_t guess : guesses) {
            std::fill(sizes.begin(), sizes.begin() + FAnswers.Count(), 0);
            for (const std::uint16_t secret : set)
                ++sizes[Score(guess, secret)];
            int lower = static_cast<int>(n);
            int parts = 0;
            for (int a = 0; a < FAnswers.Win(); ++a)
                if (sizes[static_cast<std::size_t>(a)] > 0) {
                    lower = std::min(
                        Impossible,
                        lower + LowerBound(static_cast<std::size_t>(sizes[static_cast<std::size_t>(a)]), levels - 1));
                    ++parts;
                }
            candidates.push_back({lower, parts, guess});
        }
        std::sort(candidates.begin(), candidates.end(), [](const TCandidate& a, const TCandidate& b) {
            return a.Lower != b.Lower ? a.Lower < b.Lower : a.Parts != b.Parts ? a.Parts > b.Parts : a.Guess < b.Guess;
        });
        if (FWidest > 0 && n > 40 && candidates.size() > static_cast<std::size_t>(FWidest))
            candidates.resize(static_cast<std::size_t>(FWidest));

        int result = bound;
        std::uint16_t bestGuess = set[0];
        bool found = false;
        std::vector<TSet> parts(static_cast<std::size_t>(FAnswers.Count()));
        for (std::size_t c = 0; c < candidates.size(); ++c) {
            const TCandidate& candidate = candidates[c];
            if (candidate.Lower >= result)
                break;
            for (TSet& part : parts)
                part.clear();
            for (const std::uint16_t secret : set)
                parts[Score(candidate.Guess, secret)].push_back(secret);
            std::vector<int> order;
            for (int a = 0; a < FAnswers.Win(); ++a)
                if (parts[static_cast<std::size_t>(a)].size() > 1)
                    order.push_back(a);
            std::sort(order.begin(), order.end(), [&parts](int a, int b) {
                return parts[static_cast<std::size_t>(a)].size() > parts[static_cast<std::size_t>(b)].size();
            });
            const TSymmetries next = symmetric ? After(symmetries, candidate.Guess) : symmetries;
            int total = candidate.Lower;
            for (const int a : order) {
                const TSet& part = parts[static_cast<std::size_t>(a)];
                const int partLower = LowerBound(part.size(), levels - 1);
                const int sub = Solve(part, result - (total - partLower), levels - 1, next, depth + 1);
                total = std::min(Impossible, total + sub - partLower);
                if (total >= result)
                    break;
            }
            if (depth == 0)
                std::fprintf(stderr, "  first guess %s: %s (%.0f s, %ld positions)\n",
                             FCodes[candidate.Guess].Digits().c_str(),
                             total < result ? std::to_string(total).c_str() : "no better", Seconds(), FNodes);
            if (depth == 1 && n > 200 && c % 50 == 0)
                std::fprintf(stderr, "    a part of %zu after the first guess: guess %zu of %zu, %ld positions\n", n,
                             c + 1, candidates.size(), FNodes);
            if (total < result) {
                result = total;
                bestGuess = candidate.Guess;
                found = true;
            }
        }
        // A set keeps the entry of the larger set (more work to redo).
        if (entry.Key == key || entry.Size <= n) {
            entry.Key = key;
            entry.Size = static_cast<std::uint32_t>(n);
            entry.Exact = found;
            entry.Value = result;
            entry.Guess = bestGuess;
        }
        if (best)
            *best = bestGuess;
        return result;
    }

    static double Seconds()
    {
        static const auto start = std::chrono::steady_clock::now();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

private:
    struct TEntry {
        std::uint64_t Key = 0;
        std::uint32_t Size = 0;
        int Value = 0;
        std::uint16_t Guess = 0;
        bool Exact = false;
    };

    static std::uint64_t KeyOf(const TSet& set, int levels)
    {
        std::uint64_t hash = 0x9E3779B97F4A7C15ULL * (static_cast<std::uint64_t>(levels) + 1) + set.size();
        for (const std::uint16_t place : set) {
            hash = (hash ^ place) * 0xBF58476D1CE4E5B9ULL;
            hash ^= hash >> 31;
        }
        return hash | 1;  // never 0, the empty entry
    }

    TBoard FBoard;
    TAnswers FAnswers;
    int FMost;
    int FWidest;
    int FSplits = 1;
    std::uint32_t FInPlay = 0;
    std::vector<TCode> FCodes;
    std::vector<std::uint8_t> FScores;
    std::vector<TEntry> FTable;
    long FNodes = 0;

public:
    int Most() const { return FMost; }
};

// The tree of guesses, node by node in breadth-first order, so the
// children of a node are one run of nodes in answer order. A part of one or
// two secrets is left out: the hint plays either of them and both cost the
// same.
struct TNode {
    std::uint16_t Guess = 0;
    int FirstChild = 0;
    std::uint32_t Children = 0;  // a bit per answer with a node
};

struct TTree {
    std::vector<TNode> Nodes;
    long Total = 0;
    int Most = 0;
};

TTree Extract(TSolver& solver, int optimum)
{
    TTree tree;
    struct TPending {
        TSet Set;
        TSymmetries Symmetries;
        int Depth;
    };
    std::vector<TPending> queue;
    queue.push_back({solver.All(), solver.Start(), 1});
    for (std::size_t q = 0; q < queue.size(); ++q) {
        const TSet set = queue[q].Set;
        const TSymmetries symmetries = queue[q].Symmetries;
        const int depth = queue[q].Depth;
        std::uint16_t guess = 0;
        const int value = solver.Solve(set, Impossible, solver.Most() - depth + 1, symmetries, 2, &guess);
        if (q == 0 && value != optimum)
            std::fprintf(stderr, "the tree does not take the optimum: %d against %d\n", value, optimum);
        TNode node;
        node.Guess = guess;
        node.FirstChild = static_cast<int>(queue.size());
        std::vector<TSet> parts(static_cast<std::size_t>(solver.Answers().Count()));
        for (const std::uint16_t secret : set)
            parts[solver.Score(guess, secret)].push_back(secret);
        tree.Total += depth;
        tree.Most = std::max(tree.Most, depth);
        const TSymmetries next = solver.After(symmetries, guess);
        for (int a = 0; a < solver.Answers().Win(); ++a) {
            const TSet& part = parts[static_cast<std::size_t>(a)];
            if (part.size() >= 3) {
                node.Children |= 1u << a;
                queue.push_back({part, next, depth + 1});
            } else {
                // one guess each, the second of two one more
                tree.Total += static_cast<long>(part.size()) * (depth + 1) + (part.size() == 2 ? 1 : 0);
                tree.Most = std::max(tree.Most, depth + static_cast<int>(part.size()));
            }
        }
        tree.Nodes.push_back(node);
    }
    return tree;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: SolverStrategies BOARD [--most N] [--widest K]\n");
        return 2;
    }
    const TBoard board = ParseBoard(argv[1]);
    int most = 0;
    int widest = 0;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--most") == 0)
            most = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--widest") == 0)
            widest = std::atoi(argv[i + 1]);
    }
    if (board.Width < 1 || board.Width > 4 || !board.Rules.AdmitsWidth(board.Width)) {
        std::fprintf(stderr, "%s: boards of 1 to 4 holes that have secrets\n", argv[1]);
        return 2;
    }
    TSolver::Seconds();
    TSolver solver(board, most, widest);
    std::fprintf(stderr, "%s: %zu secrets\n", BoardName(board).c_str(), solver.All().size());
    const int optimum = solver.Solve(solver.All(), Impossible, solver.Most(), solver.Start(), 0);
    if (optimum >= Impossible) {
        std::fprintf(stderr, "%s: no strategy of fitting guesses takes at most %d guesses (%.0f s)\n",
                     BoardName(board).c_str(), most, TSolver::Seconds());
        return 1;
    }
    const TTree tree = Extract(solver, optimum);
    const double seconds = TSolver::Seconds();
    const std::size_t secrets = solver.All().size();
    std::fprintf(stderr, "%s: %d guesses in all, %.4f on average, at most %d, in %.0f s (%ld positions)\n",
                 BoardName(board).c_str(), optimum, static_cast<double>(optimum) / static_cast<double>(secrets),
                 tree.Most, seconds, solver.Nodes());

    // Whether any strategy of fitting guesses finds every secret in fewer
    // guesses than the most this one takes (a search of its own).
    bool fewerMost = false;
    if (widest == 0 && tree.Most > 1) {
        TSolver limited(board, tree.Most - 1, 0);
        fewerMost = limited.Solve(limited.All(), Impossible, limited.Most(), limited.Start(), 2) < Impossible;
        std::fprintf(stderr, "%s: %s strategy of fitting guesses finds every secret within %d guesses (%.0f s)\n",
                     BoardName(board).c_str(), fewerMost ? "some" : "no", tree.Most - 1, TSolver::Seconds());
    }

    const std::string name = BoardName(board);
    std::printf("// %d holes, %d colours%s: %zu secrets in %ld guesses (%.4f on average), at most %d;\n", board.Width,
                board.Rules.ColoursInPlay(), board.Rules.Repeats ? "" : ", no repeats", secrets, tree.Total,
                static_cast<double>(tree.Total) / static_cast<double>(secrets), tree.Most);
    if (widest > 0)
        std::printf("// the best found weighing the %d guesses of best bounds in every position of over 40 secrets",
                    widest);
    else
        std::printf("// the least total of any strategy of fitting guesses");
    if (most > 0)
        std::printf(" that takes at most %d guesses", most);
    if (widest == 0 && tree.Most > 1 && !fewerMost)
        std::printf(";\n// no strategy of fitting guesses finds every secret within %d", tree.Most - 1);
    std::printf(".\n// Made by SolverStrategies %s", argv[1]);
    for (int i = 2; i < argc; ++i)
        std::printf(" %s", argv[i]);
    std::printf(" in %.0f s (%.0f s with the search for fewer at most). Each node: its guess, its\n// first child "
                "and a bit for each answer (numbered as StrategyAnswer does) that has\n// a child.\n",
                seconds, TSolver::Seconds());
    std::printf("inline constexpr TStrategyNode Strategy%sNodes[] = {\n", name.c_str());
    for (const TNode& node : tree.Nodes)
        std::printf("    {\"%s\", %d, 0x%X},\n", solver.Code(node.Guess).Digits().c_str(), node.FirstChild,
                    node.Children);
    std::printf("};\ninline constexpr TStrategy Strategy%s = {%d, {%d, %s}, %zu, %ld, %d, %s, Strategy%sNodes};\n",
                name.c_str(), board.Width, board.Rules.ColoursInPlay(), board.Rules.Repeats ? "true" : "false", secrets,
                tree.Total, tree.Most, widest > 0 ? "false" : "true", name.c_str());
    return tree.Total == optimum ? 0 : 1;
}
