#include "app/TAnalyst.h"

#include <QWidget>

#include "app/TGameSession.h"
#include "game/TLeftGrid.h"
#include "game/TLogic.h"
#include "services/messages/TMessages.h"
#include "settings/configuration/TConfiguration.h"
#include "solver/GameAnalysis.h"
#include "solver/Solver.h"
#include "windows/analysis/TAnalysisWindow.h"

namespace peglore {

TAnalyst::TAnalyst(TGameSession& session, IHelpCommands& help, QWidget& mainWindow, QString windowSettings)
    : QObject(&mainWindow), FSession(session), FHelp(help), FMainWindow(mainWindow), FWindowSettings(std::move(windowSettings))
{
    setObjectName(QStringLiteral("Analyst"));
    connect(&FHintJob, &TBackgroundJob::BusyChanged, this, &TAnalyst::HintPendingChanged);
    FSession.Logic().AddObserver(*this);
}

TAnalyst::~TAnalyst()
{
    FHintJob.Stop();
    FAnalysisJob.Stop();
    FSession.Logic().RemoveObserver(*this);
    if (FWindow && FWindow->isVisible())
        FWindow->SavePlace();
    delete FWindow.data();
}

std::vector<TCheckedRow> TAnalyst::CheckedRows(int count) const
{
    const TLogic& logic = FSession.Logic();
    const int width = logic.BoardColumns();
    std::vector<TCheckedRow> rows;
    for (int r = 0; r < count; ++r) {
        std::vector<TColor> colors;
        for (int col = 0; col < width; ++col)
            colors.push_back(FSession.LeftGrid().Cell(col, r));
        const auto guess = TCode::FromColors(colors);
        if (!guess)
            break;  // only a board wider than the solver's could hold such a row
        rows.push_back({*guess, {logic.CountBlacks(r), logic.CountWhites(r)}});
    }
    return rows;
}

namespace {
TRules RulesOf(const TVariant& variant)
{
    return {variant.ColoursInPlay(), variant.Repeats};
}
}  // namespace

TRules TAnalyst::Rules() const
{
    return RulesOf(FSession.Logic().PlayedVariant());
}

void TAnalyst::Hint()
{
    TLogic& logic = FSession.Logic();
    if (FHintJob.Busy())
        return;
    if (logic.BoardColumns() > TCode::MaxPegs) {
        TMessages::ShowHintBoardTooWide(TCode::MaxPegs, logic.BoardColumns());
        return;
    }
    const int width = logic.BoardColumns();
    const int row = logic.CurrentRow();
    const std::uint64_t game = logic.GamesStarted();
    FHintJob.Start([this, width, row, game, rules = Rules(),
                    rows = CheckedRows(row)](std::stop_token stop) -> TBackgroundJob::TDelivery {
        const std::optional<TCode> hint = peglore::Hint(width, rules, rows, stop);
        if (!hint)
            return {};  // stopped, or no secret fits: nothing to place
        return [this, row, game, hint = *hint] {
            TLogic& logic = FSession.Logic();
            if (logic.GamesStarted() != game || logic.CurrentRow() != row)
                return;  // the player has moved on
            ++FHintsUsed;
            const auto colors = hint.Colors();
            logic.PlaceRow(std::span(colors).first(static_cast<std::size_t>(hint.Width())),
                           FSession.Configuration().AutoCheck());
        };
    });
}

void TAnalyst::ToggleWindow()
{
    if (!FWindow) {
        FWindow = new TAnalysisWindow(FHelp, &FMainWindow, FWindowSettings);
        FWindow->SetPegSymbols(FSession.Configuration().PegSymbols());
    }
    if (FWindow->isVisible()) {
        FAnalysisJob.Stop();
        FWindow->hide();
        return;
    }
    FWindow->show();
    Analyse();
}

void TAnalyst::SetPegSymbols(bool shown)
{
    if (FWindow)
        FWindow->SetPegSymbols(shown);
}

void TAnalyst::Analyse()
{
    if (!FWindow || !FWindow->isVisible())
        return;
    const TLogic& logic = FSession.Logic();
    TAnalysisReport report;
    std::vector<TCheckedRow> rows;
    TRules rules = Rules();
    if (FReview) {
        report.Width = FReview->Width;
        report.GameNumber = FReview->GameNumber;
        report.Ended = FReview->Outcome;
        rows = FReview->Rows;
        rules = FReview->Rules;
    } else {
        report.Width = logic.BoardColumns();
        report.GameNumber = logic.GameNumber();
        rows = CheckedRows(logic.CurrentRow());
    }
    if (report.Width > TCode::MaxPegs) {
        // Nothing is counted for it, and nothing counted for an earlier
        // board may arrive over the line.
        FAnalysisJob.Stop();
        FWindow->ShowBoardTooWide(TCode::MaxPegs, report.Width);
        return;
    }
    FWindow->ShowCounting();
    FAnalysisJob.Start([this, report, rows, rules](std::stop_token stop) mutable -> TBackgroundJob::TDelivery {
        const bool review = report.Ended.has_value();
        auto analysis = AnalyseGame(report.Width, rules, rows, review, !review, stop);
        if (!analysis)
            return {};
        report.Analysis = std::move(*analysis);
        return [this, report] {
            if (FWindow)
                FWindow->ShowReport(report);
        };
    });
}

void TAnalyst::GameStarted()
{
    FHintsUsed = 0;
    if (!FReview)
        Analyse();
}

void TAnalyst::RowChecked(int)
{
    FReview.reset();
    // Once the rules have moved on to the next row, or ended the game.
    if (!FAnalysisQueued) {
        FAnalysisQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                FAnalysisQueued = false;
                Analyse();
            },
            Qt::QueuedConnection);
    }
}

void TAnalyst::GameEnded(const TGameEnd& game)
{
    const TLogic& logic = FSession.Logic();
    const bool lastRowChecked = game.Outcome == TGameOutcome::Won || game.Outcome == TGameOutcome::Lost;
    FReview = TReview{game.Columns, game.GameNumber, game.Outcome,
                      CheckedRows(logic.CurrentRow() + (lastRowChecked ? 1 : 0)), RulesOf(game.Variant)};
    Analyse();
}

}  // namespace peglore
