#include <QtTest>

#include <string>
#include <vector>

#include "solver/SolveCommand.h"
#include "solver/Solver.h"

using namespace peglore;

namespace {
TSolveReply Run(const QStringList& arguments)
{
    std::vector<std::string> rows;
    for (const QString& argument : arguments)
        rows.push_back(argument.toStdString());
    return SolveCommand(rows);
}
}  // namespace

class TestSolveCommand : public QObject {
    Q_OBJECT
private slots:
    // The count is every code of the board that fits, and the hint is one
    // of them.
    void answers()
    {
        const TSolveReply reply = Run({QStringLiteral("1123:1,1"), QStringLiteral("4456:0,2")});
        QCOMPARE(reply.ExitCode, 0);
        QCOMPARE(reply.Error, std::string());
        const std::vector<TCheckedRow> rows = {{*TCode::FromDigits("1123"), {1, 1}}, {*TCode::FromDigits("4456"), {0, 2}}};
        int fitting = 0;
        for (std::uint32_t packed = 0; packed < 4096; ++packed)
            fitting += Fits(TCode(packed, 4), rows) ? 1 : 0;
        const QStringList lines = QString::fromStdString(reply.Output).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("Secrets still possible: %1").arg(fitting));
        QVERIFY(lines[1].startsWith(QStringLiteral("Hint: ")));
        QVERIFY(Fits(*TCode::FromDigits(lines[1].mid(6).toStdString()), rows));
        QCOMPARE(lines[2], QString());
    }

    // Under every count of colours, with and without repeats, the count is
    // every code the rules allow that fits, and the hint one of them; rows
    // that no such code answers are a contradiction.
    void answersUnderRules()
    {
        const std::vector<std::string> texts = {"123:0,1"};
        const std::vector<TCheckedRow> rows = {{*TCode::FromDigits("123"), {0, 1}}};
        for (int colours = 3; colours <= TCode::Colours; ++colours)
            for (const bool repeats : {true, false}) {
                const TRules rules{colours, repeats};
                const TSolveReply reply = SolveCommand(texts, rules);
                int fitting = 0;
                for (std::uint32_t packed = 0; packed < 512; ++packed)
                    fitting += rules.Allows(TCode(packed, 3)) && Fits(TCode(packed, 3), rows) ? 1 : 0;
                QCOMPARE(reply.ExitCode, fitting == 0 ? 1 : 0);
                if (fitting == 0)
                    continue;
                const QStringList lines = QString::fromStdString(reply.Output).split(QLatin1Char('\n'));
                QCOMPARE(lines[0], QStringLiteral("Secrets still possible: %1").arg(fitting));
                const TCode hint = *TCode::FromDigits(lines[1].mid(6).toStdString());
                QVERIFY(rules.Allows(hint) && Fits(hint, rows));
            }
    }

    void refuses_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::newRow("contradiction") << QStringList{"1234:2,0", "5678:0,0", "1234:0,0"} << 1
                                       << "Row 3 contradicts the rows before it.\n";
        QTest::newRow("no rows") << QStringList{} << 2
                                 << "peglore: --solve needs the checked rows, such as: peglore --solve 1123:1,1 4456:0,2\n";
        QTest::newRow("mixed widths") << QStringList{"1234:0,0", "123:0,0"} << 2
                                      << "peglore: Row 2 has 3 pegs where row 1 has 4; every row needs as many.\n";
        QTest::newRow("not a colour") << QStringList{"1290:0,0"} << 2
                                      << "peglore: Row 1: '9' is not a colour; colours are the digits 1 to 8.\n";
        QTest::newRow("too many pegs") << QStringList{"12345678123:0,0"} << 2
                                       << "peglore: Row 1 has 11 pegs; a board has 1 to 10 holes.\n";
        QTest::newRow("more pegs than holes") << QStringList{"1234:3,2"} << 2
                                              << "peglore: Row 1: 3 black and 2 white are more key pegs than its 4 holes.\n";
        QTest::newRow("white beside all black") << QStringList{"1234:3,1"} << 2
                                                << "peglore: Row 1: 3 black and 1 white cannot happen: the white peg would be black.\n";
        QTest::newRow("no answer") << QStringList{"1234"} << 2
                                   << "peglore: Row 1 '1234' is not of the form CODE:BLACKS,WHITES, such as 1123:1,1.\n";
        QTest::newRow("negative") << QStringList{"1234:-1,0"} << 2
                                  << "peglore: Row 1 '1234:-1,0' does not give its blacks and whites as two whole "
                                     "numbers, such as 1123:1,1.\n";
    }
    void refuses()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        const TSolveReply reply = Run(rows);
        QCOMPARE(reply.ExitCode, exitCode);
        QCOMPARE(QString::fromStdString(exitCode == 1 ? reply.Output : reply.Error), said);
        QCOMPARE(QString::fromStdString(exitCode == 1 ? reply.Error : reply.Output), QString());
    }
};

QTEST_APPLESS_MAIN(TestSolveCommand)
#include "TestSolveCommand.moc"
