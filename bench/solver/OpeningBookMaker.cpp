// Prints solver/OpeningBook.inc: for every board width and every answer to
// the opening that leaves more secrets than a hint weighs in full, the
// second guess, searched with samples far larger than play can wait for.
//   SolverOpeningBook > solver/OpeningBook.inc
// With --variants, prints solver/VariantBook.inc instead, the same for
// every other count of colours and repeat rule, each board's opening first:
// with repeats, the code whose answers split the secrets most evenly (the
// least sum of n log n over the parts, counted exactly; on an empty board
// every code is as good as any other with the same numbers of pegs of each
// colour, so only those patterns are weighed); without repeats every code
// is any other with its colours named differently, so 1, 2, 3 and on.
//   SolverOpeningBook --variants > solver/VariantBook.inc
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "solver/HintSearch.h"
#include "solver/OpeningBook.h"
#include "solver/Solver.h"

using namespace peglore;

namespace {
// Every second guess of a board worth a book entry, printed by print.
template <class TPrint>
void SecondGuesses(int width, const TRules& rules, const TCode& opening, TPrint print)
{
    const THintBudget play;
    THintBudget book;
    book.ExhaustiveSecrets = 6000;
    book.SampledSecrets = 40000;
    book.SampledGuesses = 4000;
    for (int blacks = 0; blacks <= width; ++blacks) {
        for (int whites = 0; blacks + whites <= width; ++whites) {
            const TCheckedRow first{opening, {blacks, whites}};
            if (!first.Answer.PossibleOn(width) || *CountFitting(width, rules, {&first, 1}) <= play.ExhaustiveSecrets)
                continue;
            print(first.Answer, *SearchHint(width, rules, {&first, 1}, book, {}));
            std::fflush(stdout);
        }
    }
}

void Book()
{
    std::printf("// width, blacks, whites, second guess\n");
    for (int width = 1; width <= TCode::MaxPegs; ++width)
        SecondGuesses(width, TRules{}, Opening(width, TRules{}), [width](TKeyPegs answer, const TCode& guess) {
            std::printf("{%d, %d, %d, \"%s\"},\n", width, answer.Blacks, answer.Whites, guess.Digits().c_str());
        });
}

// Every way to write width as a sum of at most parts numbers, largest first.
void Patterns(int width, int parts, int largest, std::vector<int>& pattern, std::vector<std::vector<int>>& out)
{
    if (width == 0) {
        out.push_back(pattern);
        return;
    }
    if (parts == 0)
        return;
    for (int n = std::min(width, largest); n >= 1; --n) {
        pattern.push_back(n);
        Patterns(width - n, parts - 1, n, pattern, out);
        pattern.pop_back();
    }
}

double Spread(int width, const TRules& rules, const TCode& guess)
{
    double spread = 0;
    for (int blacks = 0; blacks <= width; ++blacks)
        for (int whites = 0; blacks + whites <= width; ++whites) {
            const TCheckedRow row{guess, {blacks, whites}};
            if (!row.Answer.PossibleOn(width))
                continue;
            const auto n = static_cast<double>(*CountFitting(width, rules, {&row, 1}));
            if (n > 1)
                spread += n * std::log2(n);
        }
    return spread;
}

TCode BestOpening(int width, const TRules& rules)
{
    std::string digits;
    if (!rules.Repeats) {
        for (int hole = 0; hole < width; ++hole)
            digits += static_cast<char>('1' + hole);
        return *TCode::FromDigits(digits);
    }
    std::vector<std::vector<int>> patterns;
    std::vector<int> pattern;
    Patterns(width, rules.ColoursInPlay(), width, pattern, patterns);
    double bestSpread = std::numeric_limits<double>::max();
    for (const std::vector<int>& counts : patterns) {
        std::string pegs;
        for (std::size_t colour = 0; colour < counts.size(); ++colour)
            pegs.append(static_cast<std::size_t>(counts[colour]), static_cast<char>('1' + colour));
        const double spread = Spread(width, rules, *TCode::FromDigits(pegs));
        if (spread < bestSpread) {
            bestSpread = spread;
            digits = pegs;
        }
    }
    return *TCode::FromDigits(digits);
}

void Variants()
{
    std::printf("// width, colours, repeats, then the opening (no answer, -1) or its answer and the second guess\n");
    for (int colours = 2; colours <= TCode::Colours; ++colours) {
        for (const bool repeats : {true, false}) {
            const TRules rules{colours, repeats};
            if (rules.IsStandard())
                continue;
            for (int width = 1; width <= TCode::MaxPegs && rules.AdmitsWidth(width); ++width) {
                const TCode opening = BestOpening(width, rules);
                const char* repeat = repeats ? "true" : "false";
                std::printf("{%d, %d, %s, -1, -1, \"%s\"},\n", width, colours, repeat, opening.Digits().c_str());
                std::fflush(stdout);
                SecondGuesses(width, rules, opening, [&](TKeyPegs answer, const TCode& guess) {
                    std::printf("{%d, %d, %s, %d, %d, \"%s\"},\n", width, colours, repeat, answer.Blacks, answer.Whites,
                                guess.Digits().c_str());
                });
                std::fprintf(stderr, "%d holes, %d colours%s\n", width, colours, repeats ? "" : ", no repeats");
            }
        }
    }
}
}  // namespace

int main(int argc, char** argv)
{
    const auto start = std::chrono::steady_clock::now();
    if (argc > 1 && std::strcmp(argv[1], "--variants") == 0)
        Variants();
    else
        Book();
    std::fprintf(stderr, "%.1f s\n", std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    return 0;
}
