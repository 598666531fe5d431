#pragma once

#include <QWidget>

#include <cstdint>
#include <optional>

#include "game/IGameObserver.h"
#include "solver/GameAnalysis.h"

class QLabel;
class QListWidget;
class QTableWidget;

namespace peglore {

class IHelpCommands;

// What the analysis window shows: the game in progress, or the review of
// the game just ended.
struct TAnalysisReport {
    int Width = 0;
    std::uint64_t GameNumber = 0;
    std::optional<TGameOutcome> Ended;  // set for the review of an ended game
    TGameAnalysis Analysis;
};

// "Analysis": a tool window beside the main window that lists every checked
// row with the secrets still possible before and after it, the information
// it gained and whether it could have been the secret; below them the
// secrets possible now, the hint and, when few remain, the secrets. After a
// game it shows the review: each row beside what the hint would have
// played, and how to play the game again. It keeps its place and size in a
// settings file of its own.
class TAnalysisWindow : public QWidget {
    Q_OBJECT
public:
    TAnalysisWindow(IHelpCommands& help, QWidget* owner, const QString& settingsFile);

    void ShowReport(const TAnalysisReport& report);
    // The counts for the rows as they are now are on their way.
    void ShowCounting();
    // A board of width holes, wider than the widest the solver takes: a
    // line that says so, in place of the counts.
    void ShowBoardTooWide(int widest, int width);
    void SetPegSymbols(bool shown);
    // Writes the window's place and size to its settings file.
    void SavePlace();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Fill();

    QString FSettingsFile;
    bool FPlaced = false;
    bool FSymbols = false;
    std::optional<TAnalysisReport> FReport;
    QLabel* FHeading;
    QTableWidget* FRows;
    QLabel* FRemaining;
    QLabel* FHintText;
    QLabel* FHintPegs;
    QListWidget* FSecrets;
};

}  // namespace peglore
