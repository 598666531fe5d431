// Prints solver/OpeningBook.inc: for every board width and every answer to
// the opening that leaves more secrets than a hint weighs in full, the
// second guess, searched with samples far larger than play can wait for.
//   SolverOpeningBook > solver/OpeningBook.inc
#include <cstdio>

#include "solver/HintSearch.h"
#include "solver/Solver.h"

using namespace peglore;

int main()
{
    const THintBudget play;
    THintBudget book;
    book.ExhaustiveSecrets = 6000;
    book.SampledSecrets = 40000;
    book.SampledGuesses = 4000;
    std::printf("// width, blacks, whites, second guess\n");
    for (int width = 1; width <= TCode::MaxPegs; ++width) {
        const TCode opening = Opening(width);
        for (int blacks = 0; blacks <= width; ++blacks) {
            for (int whites = 0; blacks + whites <= width; ++whites) {
                const TCheckedRow first{opening, {blacks, whites}};
                if (!first.Answer.PossibleOn(width) || *CountFitting(width, {&first, 1}) <= play.ExhaustiveSecrets)
                    continue;
                const TCode guess = *SearchHint(width, {&first, 1}, book, {});
                std::printf("{%d, %d, %d, \"%s\"},\n", width, blacks, whites, guess.Digits().c_str());
                std::fflush(stdout);
            }
        }
    }
    return 0;
}
