#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stop_token>
#include <vector>

#include "solver/TCheckedRow.h"
#include "solver/TCode.h"
#include "solver/TRules.h"

namespace peglore {

// A code-breaking game that has ended: the computer played on a board of
// Width holes and Rows rows and used RowsUsed of them; Found when its last
// row got every hole black. Secret: the player's code, when it is known
// (always when the computer scored the rows; when the player did, only
// once the computer found it).
struct TCodeBreakEnd {
    int Width = 0;
    int Rows = 0;
    int RowsUsed = 0;
    bool Found = false;
    bool ScoredByPlayer = false;
    std::optional<TCode> Secret;
};

// The computer breaking a code the player keeps: the rows it has played
// and the answers they got. Each row goes on the board first (Place) and
// is then answered (Answer), by the player or from the player's code.
// The two slow steps, the next guess and the search for answers that
// cannot all be true, are static, so a caller may run them on a worker
// thread with a copy of the rows.
class TCodeBreaker {
public:
    // A board of width (1 to TCode::MaxPegs) holes and rows rows (1 or
    // more), whose secret the rules allow.
    TCodeBreaker(int width, int rows, const TRules& rules = {});

    int Width() const { return FWidth; }
    int Rows() const { return FRows; }
    const TRules& Rules() const { return FRules; }
    // The rows answered so far, from the first.
    const std::vector<TCheckedRow>& Checked() const { return FChecked; }
    // The row on the board waiting for its answer.
    const std::optional<TCode>& Pending() const { return FPending; }
    // Found, or every row used.
    bool Over() const { return Found() || static_cast<int>(FChecked.size()) >= FRows; }
    bool Found() const { return !FChecked.empty() && FChecked.back().Answer.Blacks == FWidth; }

    // The row the computer plays after rows: the solver's hint, which
    // fits every answer so far. Nothing when stopped, or when no code
    // fits the answers.
    static std::optional<TCode> NextGuess(int width, const TRules& rules, std::span<const TCheckedRow> rows,
                                          std::stop_token stop = {});
    // When no code gives every row its answer: a smallest set of rows
    // (from 0, in order) whose answers cannot all be true, each of them
    // needed for that, the last row among them when the rows before it
    // could all be true. Empty when some code fits every row; nothing when
    // stopped.
    static std::optional<std::vector<int>> ConflictingRows(int width, const TRules& rules,
                                                           std::span<const TCheckedRow> rows,
                                                           std::stop_token stop = {});
    // A code the rules allow, drawn from seed; the same seed draws the
    // same code.
    static TCode RandomSecret(int width, const TRules& rules, std::uint64_t seed);

    // What the computer does after rows: the next guess, or, when no code
    // gives every row its answer, the rows that cannot all be true (see
    // ConflictingRows). Nothing when stopped.
    struct TNextStep {
        std::optional<TCode> Guess;
        std::vector<int> Conflict;
    };
    static std::optional<TNextStep> NextStep(int width, const TRules& rules, std::span<const TCheckedRow> rows,
                                             std::stop_token stop = {});

    // guess (of the board's width) goes on the next row; ignored while a
    // row waits for its answer or the game is over.
    void Place(const TCode& guess);
    // The waiting row gets answer and is checked; ignored without one, or
    // for an answer no code gives on the board.
    void Answer(TKeyPegs answer);
    // The last answer is taken back: its row waits for an answer again.
    void TakeBackAnswer();
    // The game as it ended, secret when it is known.
    TCodeBreakEnd End(bool scoredByPlayer, std::optional<TCode> secret) const;

private:
    int FWidth;
    int FRows;
    TRules FRules;
    std::vector<TCheckedRow> FChecked;
    std::optional<TCode> FPending;
};

}  // namespace peglore
