// Game numbers: a number and a board width give one secret, the same one
// with every compiler and library, and the game plays the number it is given.

#include <QtTest>

#include "GameFakes.h"
#include "game/GameNumber.h"

#include <set>

using namespace peglore;
using namespace peglore::testing;

class TestGameNumber : public QObject {
    Q_OBJECT
private slots:
    // The generator is splitmix64 as published: its reference outputs from
    // seed 1234567.
    void generatorIsSplitMix64()
    {
        TSplitMix64 random(1234567);
        QCOMPARE(random.Next(), 6457827717110365317ULL);
        QCOMPARE(random.Next(), 3203168211198807973ULL);
        QCOMPARE(random.Next(), 9817491932198370423ULL);
    }

    // Pinned: a number passed on must give the same secret on any machine
    // and in any later version of the game.
    void secretsOfNumbersNeverChange_data()
    {
        QTest::addColumn<quint64>("number");
        QTest::addColumn<QString>("secret");
        QTest::newRow("0, 3 holes") << quint64(0) << QStringLiteral("183");
        QTest::newRow("123456789, 5 holes") << quint64(123456789) << QStringLiteral("23371");
        QTest::newRow("999999999999, 10 holes") << quint64(999999999999) << QStringLiteral("4241656773");
    }
    void secretsOfNumbersNeverChange()
    {
        QFETCH(quint64, number);
        QFETCH(QString, secret);
        std::vector<int> pegs(static_cast<std::size_t>(secret.size()));
        SecretOfGame(number, pegs);
        QString digits;
        for (int peg : pegs)
            digits += QChar(u'1' + peg);
        QCOMPARE(digits, secret);
    }

    // The next game plays the number it is given, once; later games draw
    // their own numbers.
    void newGamePlaysTheGivenNumber()
    {
        TGameRig rig(Expert);
        rig.Logic.SetNextGameNumber(424242);
        rig.Logic.NewGame(false, false);
        QCOMPARE(rig.Logic.GameNumber(), quint64(424242));
        std::vector<int> pegs(8);
        SecretOfGame(424242, pegs);
        for (std::size_t hole = 0; hole < pegs.size(); ++hole)
            QCOMPARE(rig.Logic.Secret()[hole], PegColors[static_cast<std::size_t>(pegs[hole])]);
        rig.Logic.NewGame(false, false);
        QVERIFY(rig.Logic.GameNumber() != 424242);
        QVERIFY(rig.Logic.GameNumber() < GameNumberLimit);
    }

    // Under every variant and on every board, the secrets of game numbers
    // use the colours in play only, each of them somewhere, none twice
    // without repeats unless the board is wider than the colours; the
    // logic's secret is the one its number names under the variant.
    void variantSecretsUseTheColoursInPlay()
    {
        for (int colours = TVariant::MinColours; colours <= TVariant::MaxColours; ++colours)
            for (const bool repeats : {true, false})
                for (int width = 1; width <= MaxColumns; ++width) {
                    const TVariant variant{colours, repeats};
                    std::set<int> drawn;
                    for (std::uint64_t number = 0; number < 200; ++number) {
                        std::vector<int> pegs(static_cast<std::size_t>(width));
                        SecretOfGame(number * 7919, variant, pegs);
                        const std::set<int> distinct(pegs.begin(), pegs.end());
                        if (!repeats && width <= colours)
                            QCOMPARE(int(distinct.size()), width);
                        for (int peg : pegs)
                            QVERIFY2(variant.InPlay(peg), qPrintable(QString::number(peg)));
                        drawn.insert(distinct.begin(), distinct.end());
                    }
                    QCOMPARE(int(drawn.size()), colours);
                }
        TGameRig rig(Expert);
        rig.Logic.SetVariant({4, true});
        rig.Logic.SetNextGameNumber(77);
        rig.Logic.NewGame(false, false);
        std::vector<int> pegs(8);
        SecretOfGame(77, {4, true}, pegs);
        for (std::size_t hole = 0; hole < pegs.size(); ++hole)
            QCOMPARE(rig.Logic.Secret()[hole], PegColors[static_cast<std::size_t>(pegs[hole])]);
    }
};

QTEST_APPLESS_MAIN(TestGameNumber)
#include "TestGameNumber.moc"
