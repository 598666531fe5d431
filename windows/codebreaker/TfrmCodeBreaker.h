#pragma once

#include <QString>

#include <optional>
#include <vector>

#include "dialogs/common/TGameDialog.h"
#include "solver/TCodeBreaker.h"

class QCheckBox;
class QLabel;
class QSpinBox;

namespace peglore {

class TBoardGrid;

// "Break My Code": the player sets a secret on a board of the game's size
// (pegs from the window's colour bar, the keys 1 to 8, or Random) and
// starts; the computer's rows and their answers appear on a guess board
// and a score board drawn as the game's. With "score the rows myself" the
// player answers every row instead. Not modal; what plays the computer's
// side listens to its signals.
class TfrmCodeBreaker : public TGameDialog {
    Q_OBJECT
public:

    TfrmCodeBreaker(IHelpCommands& help, int width, int rows, QWidget* parent = nullptr);

    int Width() const { return FWidth; }
    int Rows() const { return FRows; }
    // The secret set so far, when every hole has a peg.
    std::optional<TCode> Secret() const;
    void SetSecret(const TCode& secret);
    bool SelfScoring() const;

    // The computer is choosing the row.
    void ShowThinking(int row);
    void ShowGuess(int row, const TCode& guess);
    void ShowAnswer(int row, TKeyPegs answer);
    // The player is asked for row's answer.
    void AskAnswer(int row);
    // The answers of rows (from 0) cannot all be true; row waits for its
    // answer again.
    void ShowConflict(const std::vector<int>& rows, int row);
    void ShowEnd(const TCodeBreakEnd& end);

    // The text under the boards, as the player reads it.
    QString StatusText() const;

signals:
    // Start with secret, or without one when the player scores the rows.
    void StartRequested(std::optional<TCode> secret);
    void FasterRequested();
    void AnswerGiven(TKeyPegs answer);
    void RandomRequested();
    // Closed: the work under way is no longer wanted.
    void Closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void FormClose(int result) override;

private:
    void PlaceColour(int paletteIndex);
    void ClearBoards();
    void SetPlaying(bool playing);
    void SetStatus(const QString& text);

    int FWidth;
    int FRows;
    std::vector<int> FSecretPegs;  // palette indices, -1 for an empty hole
    int FSelected = 0;
    std::vector<std::optional<TCode>> FGuesses;
    std::vector<std::optional<TKeyPegs>> FAnswers;
    TBoardGrid* FSecretGrid;
    TBoardGrid* FGuessGrid;
    TBoardGrid* FScoreGrid;
    QWidget* FColourBar;
    QPushButton* FRandomButton;
    QCheckBox* FSelfScoring;
    QPushButton* FStartButton;
    QPushButton* FFasterButton;
    QSpinBox* FBlacks;
    QSpinBox* FWhites;
    QPushButton* FAnswerButton;
    QLabel* FStatus;
};

}  // namespace peglore
