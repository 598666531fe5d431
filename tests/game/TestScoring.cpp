// Scoring of a guess against the secret: blacks and the greedy whites.

#include <QtTest>

#include <array>
#include <random>
#include <vector>

#include "GameFakes.h"
#include "game/Scoring.h"

using namespace peglore;
using namespace peglore::testing;

Q_DECLARE_METATYPE(std::vector<peglore::TColor>)

namespace {
constexpr TColor Red = PegColors[0], Green = PegColors[1], Black = PegColors[2], Yellow = PegColors[3],
                 Blue = PegColors[4], Gray = PegColors[5];

// The closed form: per colour, the smaller of the non-black guess pegs and
// the non-black secret pegs of that colour.
int WhitesByFormula(std::span<const TColor> guess, std::span<const TColor> secret)
{
    int whites = 0;
    for (TColor colour : PegColors) {
        int inGuess = 0, inSecret = 0;
        for (std::size_t i = 0; i < guess.size(); ++i) {
            if (guess[i] == secret[i])
                continue;
            inGuess += guess[i] == colour;
            inSecret += secret[i] == colour;
        }
        whites += std::min(inGuess, inSecret);
    }
    return whites;
}
}  // namespace

class TestScoring : public QObject {
    Q_OBJECT
private slots:
    void knownRows_data();
    void knownRows();
    void allPairsOfFourHoles();
    void randomPairs_data();
    void randomPairs();
    void scoreRowOnBoard_data();
    void scoreRowOnBoard();
};

void TestScoring::knownRows_data()
{
    QTest::addColumn<std::vector<TColor>>("secret");
    QTest::addColumn<std::vector<TColor>>("guess");
    QTest::addColumn<int>("blacks");
    QTest::addColumn<int>("whites");
    QTest::newRow("blue and red cross over")
        << std::vector{Red, Red, Blue, Green} << std::vector{Red, Blue, Red, Red} << 1 << 2;
    QTest::newRow("reds find only the black red")
        << std::vector{Red, Green, Blue, Yellow} << std::vector{Red, Red, Red, Red} << 1 << 0;
    QTest::newRow("all swapped") << std::vector{Red, Red, Green, Green} << std::vector{Green, Green, Red, Red} << 0
                                 << 4;
    QTest::newRow("all right") << std::vector{Gray, Black, Gray, Blue} << std::vector{Gray, Black, Gray, Blue} << 4
                               << 0;
    QTest::newRow("nothing") << std::vector{Red, Red, Red} << std::vector{Blue, Blue, Blue} << 0 << 0;
    QTest::newRow("one hole, right") << std::vector{Yellow} << std::vector{Yellow} << 1 << 0;
    QTest::newRow("one hole, wrong") << std::vector{Yellow} << std::vector{Red} << 0 << 0;
    QTest::newRow("white never from a black hole") << std::vector{Red, Blue} << std::vector{Red, Red} << 1 << 0;
}

void TestScoring::knownRows()
{
    QFETCH(std::vector<TColor>, secret);
    QFETCH(std::vector<TColor>, guess);
    QFETCH(int, blacks);
    QFETCH(int, whites);
    QCOMPARE(CountBlacks(guess, secret), blacks);
    QCOMPARE(CountWhites(guess, secret), whites);
}

void TestScoring::allPairsOfFourHoles()
{
    // Every secret against every guess: 8^4 x 8^4 pairs.
    std::array<TColor, 4> secret{}, guess{};
    const auto decode = [](int code, std::array<TColor, 4>& out) {
        for (auto& peg : out) {
            peg = PegColors[static_cast<std::size_t>(code % 8)];
            code /= 8;
        }
    };
    long long mismatches = 0;
    for (int s = 0; s < 4096; ++s) {
        decode(s, secret);
        for (int g = 0; g < 4096; ++g) {
            decode(g, guess);
            if (CountWhites(guess, secret) != WhitesByFormula(guess, secret))
                ++mismatches;
        }
    }
    QCOMPARE(mismatches, 0LL);
}

void TestScoring::randomPairs_data()
{
    QTest::addColumn<int>("holes");
    QTest::newRow("1") << 1;
    QTest::newRow("5") << 5;
    QTest::newRow("8") << 8;
    QTest::newRow("10") << 10;
    QTest::newRow("50") << 50;
}

void TestScoring::randomPairs()
{
    QFETCH(int, holes);
    std::mt19937 random(static_cast<std::uint32_t>(holes));
    std::uniform_int_distribution<int> pick(0, 7);
    std::vector<TColor> secret(static_cast<std::size_t>(holes)), guess(secret.size());
    for (int round = 0; round < 20000; ++round) {
        for (std::size_t i = 0; i < secret.size(); ++i) {
            secret[i] = PegColors[static_cast<std::size_t>(pick(random))];
            guess[i] = PegColors[static_cast<std::size_t>(pick(random))];
        }
        const int blacks = CountBlacks(guess, secret);
        const int whites = CountWhites(guess, secret);
        QCOMPARE(whites, WhitesByFormula(guess, secret));
        QVERIFY(blacks + whites <= holes);
        if (holes == 1)
            QCOMPARE(whites, 0);
    }
}

void TestScoring::scoreRowOnBoard_data()
{
    QTest::addColumn<std::vector<TColor>>("guess");
    QTest::addColumn<QString>("keys");  // B black, W white, . empty
    // The secret is fixed below: red, red, blue, green.
    QTest::newRow("1 black 2 white") << std::vector{Red, Blue, Red, Red} << "BWW.";
    QTest::newRow("2 black 1 white") << std::vector{Red, Red, Green, Yellow} << "BBW.";
    QTest::newRow("nothing matches") << std::vector{Yellow, Yellow, Gray, Black} << "....";
    QTest::newRow("win") << std::vector{Red, Red, Blue, Green} << "BBBB";
}

void TestScoring::scoreRowOnBoard()
{
    QFETCH(std::vector<TColor>, guess);
    QFETCH(QString, keys);
    // Find a seed whose first secret on a 4 x 10 board is red, red, blue, green.
    const std::vector<TColor> wanted{Red, Red, Blue, Green};
    std::uint32_t seed = 0;
    for (;; ++seed) {
        TGameRig probe(Custom, seed);
        if (probe.Secret() == wanted)
            break;
        QVERIFY(seed < 200000);
    }
    TGameRig rig(Custom, seed);  // the custom default is 4 x 10
    QCOMPARE(rig.Secret(), wanted);
    rig.FillRow(guess);
    rig.Logic.ScoreRow(0);
    QString shown;
    for (int col = 0; col < 4; ++col) {
        const TColor c = rig.RightGrid.Cell(col, 0);
        shown += c == BlackKeyPeg ? 'B' : c == WhiteKeyPeg ? 'W' : c == EmptyKeyHole ? '.' : '?';
    }
    QCOMPARE(shown, keys);
    for (int col = 0; col < 4; ++col)
        QCOMPARE(rig.RightGrid.Cell(col, 1), EmptyKeyHole);
}

QTEST_GUILESS_MAIN(TestScoring)
#include "TestScoring.moc"
