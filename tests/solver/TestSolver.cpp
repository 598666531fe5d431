#include <QtTest>

#include <algorithm>
#include <map>
#include <stop_token>
#include <vector>

#include "game/GameNumber.h"
#include "solver/FastScore.h"
#include "solver/GameAnalysis.h"
#include "solver/Solver.h"
#include "solver/Strategies.h"

using namespace peglore;

namespace {
TCode RandomCode(TSplitMix64& random, int width)
{
    std::vector<int> pegs(static_cast<std::size_t>(width));
    for (int& peg : pegs)
        peg = static_cast<int>(random.Below(8));
    return TCode::FromPegs(pegs);
}

// A code the rules allow, when they allow any.
TCode RandomCode(TSplitMix64& random, int width, const TRules& rules)
{
    for (int tries = 0; tries < 100000; ++tries)
        if (const TCode code = RandomCode(random, width); rules.Allows(code))
            return code;
    return RandomCode(random, width);
}

std::uint32_t CodesOf(int width)
{
    return 1u << (3 * width);
}

// Rows of random guesses answered by a random secret; now and then one
// answer is replaced by another possible one, which may contradict.
// Guesses mostly of the colours in play, as the game has them; some of
// every colour.
std::vector<TCheckedRow> RandomHistory(TSplitMix64& random, int width, const TRules& rules = {})
{
    const TCode secret = RandomCode(random, width, rules);
    std::vector<TCheckedRow> rows(random.Below(7));
    for (TCheckedRow& row : rows) {
        row.Guess =
            !rules.IsStandard() && random.Below(4) == 0 ? RandomCode(random, width) : RandomCode(random, width, rules);
        row.Answer = Score(row.Guess, secret);
    }
    if (!rows.empty() && random.Below(3) == 0) {
        TKeyPegs answer;
        do
            answer = {static_cast<int>(random.Below(static_cast<std::uint64_t>(width) + 1)),
                      static_cast<int>(random.Below(static_cast<std::uint64_t>(width) + 1))};
        while (!answer.PossibleOn(width));
        rows[random.Below(rows.size())].Answer = answer;
    }
    return rows;
}

// For every code of the board, by brute force with the game's own scoring:
// how many of the first rows it fits (-1 for a code the rules refuse).
std::vector<int> RowsFitted(int width, const std::vector<TCheckedRow>& rows, const TRules& rules = {})
{
    std::vector<int> fitted(CodesOf(width), -1);
    for (std::uint32_t packed = 0; packed < fitted.size(); ++packed) {
        const TCode code(packed, width);
        if (!rules.Allows(code))
            continue;
        int n = 0;
        while (n < static_cast<int>(rows.size()) && Score(rows[static_cast<std::size_t>(n)].Guess, code) == rows[static_cast<std::size_t>(n)].Answer)
            ++n;
        fitted[packed] = n;
    }
    return fitted;
}

std::vector<std::uint32_t> Sorted(const std::vector<TCode>& codes)
{
    std::vector<std::uint32_t> packed;
    for (const TCode& code : codes)
        packed.push_back(code.Packed());
    std::sort(packed.begin(), packed.end());
    return packed;
}
}  // namespace

class TestSolver : public QObject {
    Q_OBJECT
private slots:
    // The solver's quick scoring is the game's scoring.
    void quickScoringIsTheGames()
    {
        TSplitMix64 random(1);
        for (int width = 1; width <= TCode::MaxPegs; ++width) {
            for (int i = 0; i < 20000; ++i) {
                // Few colours make repeated colours, the hard case, common.
                const TCode a = i % 2 ? RandomCode(random, width) : TCode(static_cast<std::uint32_t>(random.Next()) & 0x9249249 & ((1u << (3 * width)) - 1), width);
                const TCode b = RandomCode(random, width);
                const TKeyPegs game = Score(a, b);
                const int blacks = fastscore::Blacks(a.Packed(), b.Packed(), width);
                const int matches = fastscore::Matches(fastscore::ColourCounts(a.Packed(), width),
                                                       fastscore::ColourCounts(b.Packed(), width));
                QCOMPARE(blacks, game.Blacks);
                QCOMPARE(matches - blacks, game.Whites);
            }
        }
    }

    // Digits name the colour bar's colours from left to right, as the keys
    // of keyboard play do: red, lime, black, yellow, blue, gray, fuchsia,
    // green.
    void digitsFollowTheColourBar()
    {
        const TCode code = *TCode::FromDigits("12345678");
        const std::array<TColor, 8> bar = {0x0000FF, 0x00FF00, 0x000000, 0x00FFFF, 0xFF0000, 0x808080, 0xFF00FF, 0x008000};
        for (int hole = 0; hole < 8; ++hole)
            QCOMPARE(code.Colors()[static_cast<std::size_t>(hole)], bar[static_cast<std::size_t>(hole)]);
        QCOMPARE(code.Digits(), std::string("12345678"));
        QVERIFY(!TCode::FromDigits("1239"));
        QVERIFY(!TCode::FromDigits("12345678123"));
    }

    void agreesWithBruteForce_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("histories");
        for (int width = 1; width <= 6; ++width)
            QTest::addRow("%d holes", width) << width << (width <= 4 ? 60 : width == 5 ? 20 : 6);
    }
    // Counting, finding, listing, drawing and hints against every code of
    // the board, over random histories.
    void agreesWithBruteForce()
    {
        QFETCH(int, width);
        QFETCH(int, histories);
        TSplitMix64 random(static_cast<std::uint64_t>(width) * 7919);
        for (int h = 0; h < histories; ++h) {
            const std::vector<TCheckedRow> rows = RandomHistory(random, width);
            const std::vector<int> fitted = RowsFitted(width, rows);
            std::vector<std::uint32_t> fitting;
            int contradiction = -1;
            for (int n = 0; n <= static_cast<int>(rows.size()); ++n) {
                const auto fits = static_cast<std::size_t>(std::count_if(fitted.begin(), fitted.end(), [n](int f) { return f >= n; }));
                if (fits == 0 && contradiction < 0)
                    contradiction = n - 1;
            }
            for (std::uint32_t packed = 0; packed < fitted.size(); ++packed)
                if (fitted[packed] == static_cast<int>(rows.size()))
                    fitting.push_back(packed);

            QCOMPARE(*CountFitting(width, rows), std::uint64_t{fitting.size()});
            const TFitSearch search = *FindFitting(width, rows);
            QCOMPARE(search.Code.has_value(), !fitting.empty());
            QCOMPARE(search.Contradiction, contradiction);
            if (search.Code)
                QVERIFY(Fits(*search.Code, rows));
            QCOMPARE(Sorted(*ListFitting(width, rows, fitting.size())), fitting);
            const std::vector<TCode> drawn = *DrawFitting(width, rows, 50, random.Next());
            QCOMPARE(drawn.size(), fitting.empty() ? std::size_t{0} : std::size_t{50});
            for (const TCode& code : drawn)
                QVERIFY(std::binary_search(fitting.begin(), fitting.end(), code.Packed()));
            const std::optional<TCode> hint = Hint(width, rows);
            QCOMPARE(hint.has_value(), !fitting.empty());
            if (hint)
                QVERIFY(std::binary_search(fitting.begin(), fitting.end(), hint->Packed()));
            for (std::uint32_t packed = 0; packed < fitted.size(); packed += 97)
                QCOMPARE(Fits(TCode(packed, width), rows), fitted[packed] == static_cast<int>(rows.size()));
        }
    }

    void rulesAgreeWithBruteForce_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("colours");
        QTest::addColumn<bool>("repeats");
        for (int colours = 2; colours <= TCode::Colours; ++colours)
            for (const bool repeats : {true, false})
                for (const int width : {4, 5})
                    QTest::addRow("%d holes, %d colours%s", width, colours, repeats ? "" : ", no repeats")
                        << width << colours << repeats;
    }
    // Every operation under fewer colours or without repeats, against every
    // code of the board the rules allow; a board without repeats and with
    // more holes than colours has no secret at all.
    void rulesAgreeWithBruteForce()
    {
        QFETCH(int, width);
        QFETCH(int, colours);
        QFETCH(bool, repeats);
        const TRules rules{colours, repeats};
        TSplitMix64 random(static_cast<std::uint64_t>(width * 100 + colours * 2 + repeats));
        for (int h = 0; h < 8; ++h) {
            const std::vector<TCheckedRow> rows = RandomHistory(random, width, rules);
            const std::vector<int> fitted = RowsFitted(width, rows, rules);
            const auto fittingAfter = [&](int n) {
                std::vector<std::uint32_t> fitting;
                for (std::uint32_t packed = 0; packed < fitted.size(); ++packed)
                    if (fitted[packed] >= n)
                        fitting.push_back(packed);
                return fitting;
            };
            const std::vector<std::uint32_t> fitting = fittingAfter(static_cast<int>(rows.size()));
            const bool fits = !fitting.empty();
            const auto fitsAll = [&](const TCode& code) {
                return std::binary_search(fitting.begin(), fitting.end(), code.Packed());
            };

            QCOMPARE(*CountFitting(width, rules, rows), std::uint64_t{fitting.size()});
            const TFitSearch search = *FindFitting(width, rules, rows);
            QCOMPARE(search.Code.has_value(), fits);
            QVERIFY(!search.Code || fitsAll(*search.Code));
            if (!fits && !fittingAfter(0).empty()) {
                QVERIFY(!fittingAfter(search.Contradiction).empty());
                QVERIFY(fittingAfter(search.Contradiction + 1).empty());
            } else if (!fits) {
                QCOMPARE(search.Contradiction, -1);
            }
            QCOMPARE(Sorted(*ListFitting(width, rules, rows, fitting.size())), fitting);
            const std::vector<TCode> drawn = *DrawFitting(width, rules, rows, 20, random.Next());
            QCOMPARE(drawn.size(), fits ? std::size_t{20} : std::size_t{0});
            QVERIFY(std::all_of(drawn.begin(), drawn.end(), fitsAll));
            const std::optional<TCode> hint = Hint(width, rules, rows);
            QCOMPARE(hint.has_value(), fits);
            QVERIFY(!hint || fitsAll(*hint));
            for (std::uint32_t packed = h; packed < fitted.size(); packed += 61)
                QCOMPARE(Fits(TCode(packed, width), rules, rows), fitsAll(TCode(packed, width)));

            // The analysis of the game: its counts row by row, the secrets
            // left and hints that fit the rows before them.
            const TGameAnalysis analysis = *AnalyseGame(width, rules, rows, true, true);
            QCOMPARE(analysis.Rows.size(), rows.size());
            for (std::size_t r = 0; r < rows.size(); ++r) {
                QCOMPARE(analysis.Rows[r].Before, std::uint64_t{fittingAfter(static_cast<int>(r)).size()});
                QCOMPARE(analysis.Rows[r].After, std::uint64_t{fittingAfter(static_cast<int>(r) + 1).size()});
                const std::optional<TCode> rowHint = analysis.Rows[r].Hint;
                QCOMPARE(rowHint.has_value(), analysis.Rows[r].Before > 0);
                QVERIFY(!rowHint || Fits(*rowHint, rules, std::span(rows).first(r)));
            }
            QCOMPARE(analysis.Remaining, std::uint64_t{fitting.size()});
            QCOMPARE(analysis.NextHint.has_value(), fits);
            QVERIFY(!analysis.NextHint || fitsAll(*analysis.NextHint));
            if (fitting.size() <= TGameAnalysis::ListedSecrets)
                QCOMPARE(Sorted(analysis.Secrets), fitting);
        }
    }

    // Once on seven holes, where the halves are of unequal size.
    void countsOnSevenHoles()
    {
        TSplitMix64 random(77);
        const TCode secret = RandomCode(random, 7);
        std::vector<TCheckedRow> rows;
        for (int r = 0; r < 3; ++r) {
            const TCode guess = RandomCode(random, 7);
            rows.push_back({guess, Score(guess, secret)});
        }
        const std::vector<int> fitted = RowsFitted(7, rows);
        QCOMPARE(*CountFitting(7, rows), std::uint64_t(std::count(fitted.begin(), fitted.end(), 3)));
    }

    void shippedStrategiesKeepTheirWord_data()
    {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < ShippedStrategies().size(); ++i) {
            const TStrategy& strategy = ShippedStrategies()[i];
            QTest::addRow("%d holes, %d colours%s", strategy.Width, strategy.Rules.ColoursInPlay(),
                          strategy.Rules.Repeats ? "" : ", no repeats")
                << static_cast<int>(i);
        }
    }
    // On a board with a strategy of its own, the hint finds every secret
    // with guesses that fit every answer before them, in the guesses the
    // strategy claims.
    void shippedStrategiesKeepTheirWord()
    {
        QFETCH(int, index);
        const TStrategy& strategy = ShippedStrategies()[static_cast<std::size_t>(index)];
        const std::vector<TCode> secrets = *ListFitting(strategy.Width, strategy.Rules, {}, strategy.Secrets);
        QCOMPARE(std::uint64_t{secrets.size()}, strategy.Secrets);
        QCOMPARE(std::uint64_t{secrets.size()}, strategy.Rules.Secrets(strategy.Width));
        std::uint64_t total = 0;
        std::size_t most = 0;
        for (const TCode& secret : secrets) {
            std::vector<TCheckedRow> rows;
            while (rows.empty() || rows.back().Guess != secret) {
                const TCode guess = *Hint(strategy.Width, strategy.Rules, rows);
                QVERIFY(Fits(guess, strategy.Rules, rows));
                rows.push_back({guess, Score(guess, secret)});
            }
            total += rows.size();
            most = std::max(most, rows.size());
        }
        QCOMPARE(total, strategy.TotalGuesses);
        QCOMPARE(static_cast<int>(most), strategy.MostGuesses);
    }

    // Every fitting code is drawn about as often as every other.
    void drawsAreUniform()
    {
        TSplitMix64 random(5);
        std::vector<TCheckedRow> rows;
        std::vector<std::uint32_t> fitting;
        do {
            rows = RandomHistory(random, 4);
            const std::vector<int> fitted = RowsFitted(4, rows);
            fitting.clear();
            for (std::uint32_t packed = 0; packed < fitted.size(); ++packed)
                if (fitted[packed] == static_cast<int>(rows.size()))
                    fitting.push_back(packed);
        } while (fitting.size() < 20 || fitting.size() > 60);
        const int perCode = 400;
        std::map<std::uint32_t, int> drawn;
        const std::vector<TCode> codes = *DrawFitting(4, rows, perCode * static_cast<int>(fitting.size()), 9);
        for (const TCode& code : codes)
            ++drawn[code.Packed()];
        QCOMPARE(drawn.size(), fitting.size());
        for (const auto& [code, n] : drawn)
            QVERIFY2(n > perCode * 3 / 4 && n < perCode * 5 / 4, qPrintable(QString::number(n)));
    }

    // A player who always plays the hint wins every game of three holes
    // within the ten rows of the smallest level.
    void hintsWinEveryThreeHoleGame()
    {
        for (std::uint32_t packed = 0; packed < CodesOf(3); ++packed) {
            const TCode secret(packed, 3);
            std::vector<TCheckedRow> rows;
            while (rows.empty() || rows.back().Guess != secret) {
                QVERIFY(rows.size() < 10);
                const TCode guess = *Hint(3, rows);
                rows.push_back({guess, Score(guess, secret)});
            }
        }
    }

    // Asked to stop, every operation comes back empty.
    void stopsWhenAsked()
    {
        TSplitMix64 random(3);
        const TCode secret = RandomCode(random, 10);
        const TCode guess = RandomCode(random, 10);
        const std::vector<TCheckedRow> rows = {{guess, Score(guess, secret)}};
        std::stop_source source;
        source.request_stop();
        QVERIFY(!CountFitting(10, rows, source.get_token()));
        QVERIFY(!FindFitting(10, rows, source.get_token()));
        QVERIFY(!DrawFitting(10, rows, 5, 1, source.get_token()));
        QVERIFY(!ListFitting(10, rows, 5, source.get_token()));
        QVERIFY(!Hint(10, rows, source.get_token()));
        QVERIFY(Hint(10, rows).has_value());
    }
};

QTEST_APPLESS_MAIN(TestSolver)
#include "TestSolver.moc"
