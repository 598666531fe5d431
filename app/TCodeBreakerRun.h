#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <optional>

#include "app/TBackgroundJob.h"
#include "solver/TCodeBreaker.h"
#include "windows/codebreaker/TfrmCodeBreaker.h"

class QWidget;

namespace peglore {

class IHelpCommands;

// "Break My Code...": the computer's side of the reversed game. It opens
// the window on the game's board, chooses every row with the solver on a
// worker thread, answers it from the player's code at about a row a second
// (Faster shortens the wait) or waits for the player's answer, and names
// the rows whose answers cannot all be true. Nothing of it reaches the
// game, its statistics or its records.
class TCodeBreakerRun : public QObject {
    Q_OBJECT
public:
    static constexpr int RowPause = 1000;  // ms from one row to the next
    static constexpr int FasterPause = 200;

    TCodeBreakerRun(IHelpCommands& help, QWidget& mainWindow);
    ~TCodeBreakerRun() override;

    // Opens a fresh window for a board of width holes and rows rows, under
    // rules; a board wider than the solver takes is told in a box instead.
    void Open(int width, int rows, const TRules& rules = {});
    // Null before the first opening.
    TfrmCodeBreaker* Window() const { return FWindow; }
    // The rules of the window last opened.
    const TRules& Rules() const { return FRules; }
    bool Busy() const { return FJob.Busy() || FPause.isActive(); }

signals:
    // A game has ended, for what keeps such games apart from the rest.
    void Ended(const TCodeBreakEnd& end);

private:
    void Start(std::optional<TCode> secret);
    void Step();
    void Play(const TCode& guess);
    void Answer(TKeyPegs answer);
    void Stop();
    void Finish();

    IHelpCommands& FHelp;
    QWidget& FMainWindow;
    QPointer<TfrmCodeBreaker> FWindow;
    TRules FRules;
    std::optional<TCodeBreaker> FBreaker;
    std::optional<TCode> FSecret;
    TBackgroundJob FJob;
    QTimer FPause;
    QElapsedTimer FRowClock;
    int FRowPause = RowPause;
    std::uint64_t FRandomDraws = 0;
};

}  // namespace peglore
