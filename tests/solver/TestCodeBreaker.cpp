#include <QtTest>

#include <algorithm>
#include <vector>

#include "solver/TCodeBreaker.h"

using namespace peglore;

namespace {
constexpr int Width = 3;  // the Beginner board

// By brute force over every code of the board: whether one gives each of
// the rows picked its answer.
bool AnyFits(const std::vector<TCheckedRow>& rows, const std::vector<int>& picked)
{
    for (std::uint32_t packed = 0; packed < (1u << (3 * Width)); ++packed) {
        const TCode code(packed, Width);
        if (std::all_of(picked.begin(), picked.end(), [&](int row) {
                const TCheckedRow& checked = rows[static_cast<std::size_t>(row)];
                return Score(checked.Guess, code) == checked.Answer;
            }))
            return true;
    }
    return false;
}

std::vector<int> AllRows(const std::vector<TCheckedRow>& rows)
{
    std::vector<int> all(rows.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<int>(i);
    return all;
}
}  // namespace

class TestCodeBreaker : public QObject {
    Q_OBJECT
private slots:
    void everyBeginnerSecretBrokenWithinTenRows();
    void wrongAnswerCaughtAtTheFirstRowItContradicts();
};

void TestCodeBreaker::everyBeginnerSecretBrokenWithinTenRows()
{
    for (std::uint32_t packed = 0; packed < (1u << (3 * Width)); ++packed) {
        const TCode secret(packed, Width);
        TCodeBreaker breaker(Width, 10);
        while (!breaker.Over()) {
            const auto step = TCodeBreaker::NextStep(Width, breaker.Rules(), breaker.Checked());
            QVERIFY(step && step->Guess);
            breaker.Place(*step->Guess);
            breaker.Answer(Score(*step->Guess, secret));
        }
        QVERIFY2(breaker.Found(), secret.Digits().c_str());
        QCOMPARE(breaker.End(false, secret).Secret, std::optional<TCode>(secret));
    }
}

// The player scores every row against a secret and gets one answer wrong:
// the computer plays on while some code fits every answer, and at the
// first answer after which none does it names rows that cannot all be
// true, among them the wrong one and the last, none of them to spare.
void TestCodeBreaker::wrongAnswerCaughtAtTheFirstRowItContradicts()
{
    for (std::uint32_t packed = 0; packed < (1u << (3 * Width)); ++packed) {
        const TCode secret(packed, Width);
        const int wrongRow = static_cast<int>(packed % 3);
        TCodeBreaker breaker(Width, 1 << (3 * Width));
        std::vector<int> conflict;
        while (conflict.empty() && !breaker.Over()) {
            const std::vector<TCheckedRow> rows = breaker.Checked();
            const auto step = TCodeBreaker::NextStep(Width, breaker.Rules(), rows);
            QVERIFY(step);
            QCOMPARE(step->Guess.has_value(), AnyFits(rows, AllRows(rows)));
            if (!step->Guess) {
                conflict = step->Conflict;
                break;
            }
            breaker.Place(*step->Guess);
            TKeyPegs answer = Score(*step->Guess, secret);
            if (static_cast<int>(rows.size()) == wrongRow)
                answer = answer.Blacks > 0 ? TKeyPegs{answer.Blacks - 1, answer.Whites} : TKeyPegs{1, 0};
            breaker.Answer(answer);
        }
        const std::vector<TCheckedRow>& rows = breaker.Checked();
        if (static_cast<int>(rows.size()) <= wrongRow) {
            QVERIFY(breaker.Found());  // found before the player could go wrong
            continue;
        }
        QVERIFY2(!conflict.empty(), secret.Digits().c_str());
        QVERIFY(std::is_sorted(conflict.begin(), conflict.end()));
        QVERIFY(std::find(conflict.begin(), conflict.end(), wrongRow) != conflict.end());
        QCOMPARE(conflict.back(), static_cast<int>(rows.size()) - 1);
        QVERIFY(!AnyFits(rows, conflict));
        for (std::size_t spared = 0; spared < conflict.size(); ++spared) {
            std::vector<int> others = conflict;
            others.erase(others.begin() + static_cast<std::ptrdiff_t>(spared));
            QVERIFY(AnyFits(rows, others));
        }
    }
}

QTEST_APPLESS_MAIN(TestCodeBreaker)
#include "TestCodeBreaker.moc"
