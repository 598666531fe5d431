#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>
#include <vector>

#include "app/TBackgroundJob.h"
#include "game/IGameObserver.h"
#include "solver/TCheckedRow.h"
#include "solver/TRules.h"
#include "windows/analysis/TAnalysisWindow.h"

class QWidget;

namespace peglore {

class IHelpCommands;
class TGameSession;

// The computer's help beside the game: the hint that fills the current row
// and the analysis window (F3) with its review of the last game. The
// solver's work runs on threads of its own; a hint that arrives for a row
// that is no longer the current one is dropped.
class TAnalyst : public QObject, private IGameObserver {
    Q_OBJECT
public:
    // A child of mainWindow; the window of the analysis is its child too.
    TAnalyst(TGameSession& session, IHelpCommands& help, QWidget& mainWindow, QString windowSettings);
    ~TAnalyst() override;

    // Fills the current row with the hint once the solver has it; nothing
    // while an earlier hint is still on its way.
    void Hint();
    bool HintPending() const { return FHintJob.Busy(); }
    // Hints placed in the game in progress.
    int HintsUsed() const { return FHintsUsed; }
    // A game resumed with count hints placed before.
    void ResumeHints(int count) { FHintsUsed = count; }

    void ToggleWindow();
    // Null until the window is first shown.
    TAnalysisWindow* Window() const { return FWindow; }
    void SetPegSymbols(bool shown);

signals:
    // HintPending() has changed.
    void HintPendingChanged(bool pending);

public:
    // The rules of the game in progress, its variant as the solver takes it.
    TRules Rules() const;

private:
    void GameStarted() override;
    void RowChecked(int row) override;
    void GameEnded(const TGameEnd& game) override;

    std::vector<TCheckedRow> CheckedRows(int count) const;
    void Analyse();

    struct TReview {
        int Width = 0;
        std::uint64_t GameNumber = 0;
        TGameOutcome Outcome = TGameOutcome::Won;
        std::vector<TCheckedRow> Rows;
        TRules Rules;
    };

    TGameSession& FSession;
    IHelpCommands& FHelp;
    QWidget& FMainWindow;
    QString FWindowSettings;
    QPointer<TAnalysisWindow> FWindow;
    TBackgroundJob FHintJob;
    TBackgroundJob FAnalysisJob;
    int FHintsUsed = 0;
    bool FAnalysisQueued = false;
    // The game just ended, shown until the next game's first checked row.
    std::optional<TReview> FReview;
};

}  // namespace peglore
