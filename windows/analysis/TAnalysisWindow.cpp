#include "windows/analysis/TAnalysisWindow.h"

#include <QHBoxLayout>
#include <QHideEvent>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <utility>

#include "components/contexthelp/HelpContexts.h"
#include "components/contexthelp/TContextHelp.h"
#include "components/widgets/TWindowPlacement.h"
#include "windows/analysis/PegRowPicture.h"

namespace peglore {

namespace {
enum TColumn { RowColumn, GuessColumn, AnswerColumn, BeforeColumn, AfterColumn, BitsColumn, SecretColumn, HintColumn };

QString Answer(const TKeyPegs& answer)
{
    return QStringLiteral("%1 black, %2 white").arg(answer.Blacks).arg(answer.Whites);
}

QString OutcomeText(TGameOutcome outcome, int rows)
{
    const QString inRows = rows == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(rows);
    switch (outcome) {
    case TGameOutcome::Won: return QStringLiteral("won in %1").arg(inRows);
    case TGameOutcome::Lost: return QStringLiteral("lost after %1").arg(inRows);
    case TGameOutcome::GivenUp: return QStringLiteral("given up after %1").arg(inRows);
    case TGameOutcome::Abandoned: return QStringLiteral("left for a new game after %1").arg(inRows);
    }
    return {};
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QTableWidgetItem* CodeCell(const TCode& code, bool symbols)
{
    QTableWidgetItem* item = Cell(QString::fromStdString(code.Digits()));
    item->setData(Qt::DecorationRole, PegRowPicture(code, symbols));
    item->setData(Qt::AccessibleTextRole, PegRowNames(code));
    return item;
}
}  // namespace

TAnalysisWindow::TAnalysisWindow(IHelpCommands& help, QWidget* owner, const QString& settingsFile)
    : QWidget(owner, Qt::Tool), FSettingsFile(settingsFile)
{
    setObjectName(QStringLiteral("AnalysisWindow"));
    setWindowTitle(QStringLiteral("Analysis"));
    // Reading it, like reading help, does not stop the game clock.
    setProperty("pegloreToolWindow", true);
    // Shown beside the game without taking the keys from it.
    setAttribute(Qt::WA_ShowWithoutActivating);

    FHeading = new QLabel(this);
    FHeading->setObjectName(QStringLiteral("AnalysisHeading"));
    FHeading->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    FHeading->setWordWrap(true);

    FRows = new QTableWidget(0, 8, this);
    FRows->setObjectName(QStringLiteral("AnalysisRows"));
    FRows->setAccessibleName(QStringLiteral("Checked rows"));
    const std::array<std::pair<const char*, const char*>, 8> columns = {{
        {"Row", "The row of the guess board"},
        {"Guess", "The pegs of the row"},
        {"Answer", "The key pegs the score board gave"},
        {"Before", "Secrets still possible before the row was checked"},
        {"After", "Secrets still possible after it"},
        {"Bits", "The information the row gained: log2(before / after)"},
        {"Could be the secret", "Whether the guess fitted every row before it"},
        {"Hint would have played", "What the hint would have placed in this row"},
    }};
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        auto* header = new QTableWidgetItem(QString::fromLatin1(columns[static_cast<std::size_t>(c)].first));
        header->setToolTip(QString::fromLatin1(columns[static_cast<std::size_t>(c)].second));
        FRows->setHorizontalHeaderItem(c, header);
    }
    FRows->verticalHeader()->hide();
    FRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FRows->setSelectionBehavior(QAbstractItemView::SelectRows);
    FRows->setIconSize(QSize(10 * 19 + 3, 22));
    FRows->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    FRemaining = new QLabel(this);
    FRemaining->setObjectName(QStringLiteral("AnalysisRemaining"));
    FHintText = new QLabel(this);
    FHintText->setObjectName(QStringLiteral("AnalysisHint"));
    FHintPegs = new QLabel(this);
    FHintPegs->setObjectName(QStringLiteral("AnalysisHintPegs"));
    FSecrets = new QListWidget(this);
    FSecrets->setObjectName(QStringLiteral("AnalysisSecrets"));
    FSecrets->setAccessibleName(QStringLiteral("Secrets still possible"));
    FSecrets->setIconSize(QSize(10 * 19 + 3, 22));

    auto* hint = new QHBoxLayout;
    hint->addWidget(FHintText);
    hint->addWidget(FHintPegs);
    hint->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FHeading);
    layout->addWidget(FRows, 3);
    layout->addWidget(FRemaining);
    layout->addLayout(hint);
    layout->addWidget(FSecrets, 1);

    TContextHelp::SetContext(this, HelpContexts::AnalysisWindow);
    TContextHelp::SetContext(FRows, HelpContexts::AnalysisRows);
    TContextHelp::SetContext(FRemaining, HelpContexts::AnalysisHint);
    TContextHelp::SetContext(FHintText, HelpContexts::AnalysisHint);
    TContextHelp::SetContext(FHintPegs, HelpContexts::AnalysisHint);
    TContextHelp::SetContext(FSecrets, HelpContexts::AnalysisSecrets);
    TContextHelp::SetContext(FHeading, HelpContexts::AnalysisReview);
    auto* contextHelp = new TContextHelp(help, *this, {});
    for (QWidget* part : {static_cast<QWidget*>(FHeading), static_cast<QWidget*>(FRemaining),
                          static_cast<QWidget*>(FHintText), static_cast<QWidget*>(FHintPegs)})
        contextHelp->AttachPopupMenu(part);

    resize(600, 400);
    ShowCounting();
}

void TAnalysisWindow::ShowCounting()
{
    FHeading->setText(QStringLiteral("Counting the secrets still possible…"));
}

void TAnalysisWindow::ShowBoardTooWide(int widest, int width)
{
    FReport.reset();
    FHeading->setText(
        QStringLiteral("The analysis covers boards up to %1 holes, and this board has %2.").arg(widest).arg(width));
    FRows->setRowCount(0);
    FRows->setColumnHidden(HintColumn, true);
    FRemaining->clear();
    FHintText->hide();
    FHintPegs->hide();
    FSecrets->clear();
    FSecrets->hide();
}

void TAnalysisWindow::ShowReport(const TAnalysisReport& report)
{
    FReport = report;
    Fill();
}

void TAnalysisWindow::SetPegSymbols(bool shown)
{
    FSymbols = shown;
    if (FReport)
        Fill();
}

void TAnalysisWindow::Fill()
{
    const TAnalysisReport& report = *FReport;
    const TGameAnalysis& analysis = report.Analysis;
    const int rows = static_cast<int>(analysis.Rows.size());
    const QString number = QString::number(report.GameNumber);
    if (report.Ended)
        FHeading->setText(QStringLiteral("Review of game %1: %2. To play it again: peglore --game %1")
                              .arg(number, OutcomeText(*report.Ended, rows)));
    else
        FHeading->setText(QStringLiteral("Game %1, %2 checked").arg(number, rows == 1 ? QStringLiteral("1 row")
                                                                                      : QStringLiteral("%1 rows").arg(rows)));

    FRows->setRowCount(rows);
    FRows->setColumnHidden(HintColumn, !report.Ended);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (int r = 0; r < rows; ++r) {
        const TRowAnalysis& row = analysis.Rows[static_cast<std::size_t>(r)];
        FRows->setItem(r, RowColumn, Cell(QString::number(r + 1), right));
        FRows->setItem(r, GuessColumn, CodeCell(row.Row.Guess, FSymbols));
        FRows->setItem(r, AnswerColumn, Cell(Answer(row.Row.Answer)));
        FRows->setItem(r, BeforeColumn, Cell(QString::number(row.Before), right));
        FRows->setItem(r, AfterColumn, Cell(QString::number(row.After), right));
        FRows->setItem(r, BitsColumn, Cell(QString::number(row.Bits, 'f', 2), right));
        FRows->setItem(r, SecretColumn, Cell(row.RuledOutBy < 0 ? QStringLiteral("yes")
                                                                : QStringLiteral("no: row %1 ruled it out").arg(row.RuledOutBy + 1)));
        if (row.Hint)
            FRows->setItem(r, HintColumn, CodeCell(*row.Hint, FSymbols));
        else
            FRows->setItem(r, HintColumn, Cell(QString()));
    }

    FRemaining->setText(report.Ended ? QStringLiteral("Secrets still possible at the end: %1").arg(analysis.Remaining)
                                     : QStringLiteral("Secrets possible now: %1").arg(analysis.Remaining));
    const bool hint = analysis.NextHint && !report.Ended;
    FHintText->setVisible(hint);
    FHintPegs->setVisible(hint);
    if (hint) {
        FHintText->setText(QStringLiteral("Hint for row %1: %2")
                               .arg(rows + 1)
                               .arg(QString::fromStdString(analysis.NextHint->Digits())));
        FHintPegs->setPixmap(PegRowPicture(*analysis.NextHint, FSymbols));
        FHintPegs->setAccessibleName(PegRowNames(*analysis.NextHint));
    }
    FSecrets->clear();
    for (const TCode& secret : analysis.Secrets) {
        auto* item = new QListWidgetItem(QIcon(PegRowPicture(secret, FSymbols)), QString::fromStdString(secret.Digits()));
        item->setData(Qt::AccessibleTextRole, PegRowNames(secret));
        FSecrets->addItem(item);
    }
    FSecrets->setVisible(!analysis.Secrets.empty());
}

void TAnalysisWindow::showEvent(QShowEvent* event)
{
    if (!FPlaced) {
        FPlaced = true;
        const QSettings settings(FSettingsFile, QSettings::IniFormat);
        if (!restoreGeometry(settings.value(QStringLiteral("Analysis/Geometry")).toByteArray()) && parentWidget())
            TWindowPlacement::PlaceBeside(*this, *parentWidget());
    }
    QWidget::showEvent(event);
}

void TAnalysisWindow::SavePlace()
{
    QSettings settings(FSettingsFile, QSettings::IniFormat);
    settings.setValue(QStringLiteral("Analysis/Geometry"), saveGeometry());
}

void TAnalysisWindow::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        SavePlace();
    QWidget::hideEvent(event);
}

}  // namespace peglore
