#include "windows/analysis/TAnalysisWindow.h"

#include <QCoreApplication>
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
#include "translations/Formats.h"
#include "windows/analysis/PegRowPicture.h"

namespace peglore {

namespace {
enum TColumn { RowColumn, GuessColumn, AnswerColumn, BeforeColumn, AfterColumn, BitsColumn, SecretColumn, HintColumn };

QString Answer(const TKeyPegs& answer)
{
    //: The Answer column: the key pegs of a row, %1 black ones (right colour in the right hole) and
    //: %2 white ones (right colour in another hole).
    return QCoreApplication::translate("peglore::TAnalysisWindow", "%1 black, %2 white")
        .arg(answer.Blacks)
        .arg(answer.Whites);
}

// How the reviewed game ended: "won in 3 rows".
QString OutcomeText(TGameOutcome outcome, int rows)
{
    // The written English has its own words for one row; the other
    // counts take the language's plural forms.
    const bool one = rows == 1;
    switch (outcome) {
    case TGameOutcome::Won:
        if (one)
            //: How the reviewed game ended; it follows "Review of game 123: ".
            return QCoreApplication::translate("peglore::TAnalysisWindow", "won in 1 row");
        //: How the reviewed game ended, in %n rows; it follows "Review of game 123: ".
        return QCoreApplication::translate("peglore::TAnalysisWindow", "won in %n rows", nullptr, rows);
    case TGameOutcome::Lost:
        if (one)
            //: How the reviewed game ended; it follows "Review of game 123: ".
            return QCoreApplication::translate("peglore::TAnalysisWindow", "lost after 1 row");
        //: How the reviewed game ended, after %n rows; it follows "Review of game 123: ".
        return QCoreApplication::translate("peglore::TAnalysisWindow", "lost after %n rows", nullptr, rows);
    case TGameOutcome::GivenUp:
        if (one)
            //: How the reviewed game ended: the player gave up; it follows "Review of game 123: ".
            return QCoreApplication::translate("peglore::TAnalysisWindow", "given up after 1 row");
        //: How the reviewed game ended: the player gave up after %n rows; it follows "Review of game 123: ".
        return QCoreApplication::translate("peglore::TAnalysisWindow", "given up after %n rows", nullptr, rows);
    case TGameOutcome::Abandoned:
        if (one)
            //: How the reviewed game ended: the player started a new one; it follows "Review of game 123: ".
            return QCoreApplication::translate("peglore::TAnalysisWindow", "left for a new game after 1 row");
        //: How the reviewed game ended: the player started a new one after %n rows; it follows
        //: "Review of game 123: ".
        return QCoreApplication::translate("peglore::TAnalysisWindow", "left for a new game after %n rows", nullptr,
                                           rows);
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
    //: Title of the analysis window (Tools > Analysis...): the rows checked so far and what they taught.
    setWindowTitle(tr("Analysis"));
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
    //: Accessible name of the table of checked rows, read by screen readers.
    FRows->setAccessibleName(tr("Checked rows"));
    // Each column's header and its tooltip.
    const std::array<std::pair<const char*, const char*>, 8> columns = {{
        //: Column header: the row's number.
        {QT_TR_NOOP("Row"), QT_TR_NOOP("The row of the guess board")},
        //: Column header: the pegs the player placed in the row.
        {QT_TR_NOOP("Guess"), QT_TR_NOOP("The pegs of the row")},
        //: Column header: the key pegs (black and white) that answered the row.
        {QT_TR_NOOP("Answer"), QT_TR_NOOP("The key pegs the score board gave")},
        //: Column header: the count of secrets still possible before the row.
        {QT_TR_NOOP("Before"), QT_TR_NOOP("Secrets still possible before the row was checked")},
        //: Column header: the count of secrets still possible after the row.
        {QT_TR_NOOP("After"), QT_TR_NOOP("Secrets still possible after it")},
        //: Column header: the information in bits (the unit) the row gained.
        {QT_TR_NOOP("Bits"), QT_TR_NOOP("The information the row gained: log2(before / after)")},
        //: Column header: yes, or the row that ruled the guess out.
        {QT_TR_NOOP("Could be the secret"), QT_TR_NOOP("Whether the guess fitted every row before it")},
        //: Column header, shown in the review of an ended game: the hint's pegs for the row.
        {QT_TR_NOOP("Hint would have played"), QT_TR_NOOP("What the hint would have placed in this row")},
    }};
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        auto* header = new QTableWidgetItem(tr(columns[static_cast<std::size_t>(c)].first));
        header->setToolTip(tr(columns[static_cast<std::size_t>(c)].second));
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
    //: Accessible name of the list of the secrets that still fit every answer, read by screen readers.
    FSecrets->setAccessibleName(tr("Secrets still possible"));
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
    //: The window's heading while the counts are worked out.
    FHeading->setText(tr("Counting the secrets still possible…"));
}

void TAnalysisWindow::ShowBoardTooWide(int widest, int width)
{
    FReport.reset();
    //: %1 is the most holes in a row the analysis takes, %2 the holes of the board in play (more).
    FHeading->setText(tr("The analysis covers boards up to %1 holes, and this board has %2.").arg(widest).arg(width));
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
        //: The heading after a game: %1 is the game's number, %2 how it ended ("won in 3 rows"). Keep
        //: "peglore --game %1" as it is: the command that plays the game again.
        FHeading->setText(tr("Review of game %1: %2. To play it again: peglore --game %1")
                              .arg(number, OutcomeText(*report.Ended, rows)));
    else if (rows == 1)
        //: The heading during a game: %1 is the game's number.
        FHeading->setText(tr("Game %1, 1 row checked").arg(number));
    else
        //: The heading during a game: %1 is the game's number, %n the rows checked so far.
        FHeading->setText(tr("Game %1, %n rows checked", nullptr, rows).arg(number));

    FRows->setRowCount(rows);
    FRows->setColumnHidden(HintColumn, !report.Ended);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (int r = 0; r < rows; ++r) {
        const TRowAnalysis& row = analysis.Rows[static_cast<std::size_t>(r)];
        FRows->setItem(r, RowColumn, Cell(QString::number(r + 1), right));
        FRows->setItem(r, GuessColumn, CodeCell(row.Row.Guess, FSymbols));
        FRows->setItem(r, AnswerColumn, Cell(Answer(row.Row.Answer)));
        FRows->setItem(r, BeforeColumn, Cell(LocalNumber(static_cast<qint64>(row.Before)), right));
        FRows->setItem(r, AfterColumn, Cell(LocalNumber(static_cast<qint64>(row.After)), right));
        FRows->setItem(r, BitsColumn, Cell(LocalDecimal(row.Bits, 2), right));
        //: The column "Could be the secret": the guess fitted every row before it.
        const QString fitted = tr("yes");
        //: The column "Could be the secret": the answer of the row %1 ruled the guess out.
        const QString ruledOut = tr("no: row %1 ruled it out");
        FRows->setItem(r, SecretColumn, Cell(row.RuledOutBy < 0 ? fitted : ruledOut.arg(row.RuledOutBy + 1)));
        if (row.Hint)
            FRows->setItem(r, HintColumn, CodeCell(*row.Hint, FSymbols));
        else
            FRows->setItem(r, HintColumn, Cell(QString()));
    }

    //: After a game: %1 is the count of secrets that fitted every answer.
    const QString remainingAtEnd = tr("Secrets still possible at the end: %1");
    //: During a game: %1 is the count of secrets that fit every answer so far.
    const QString remainingNow = tr("Secrets possible now: %1");
    const QString remaining = LocalNumber(static_cast<qint64>(analysis.Remaining));
    FRemaining->setText((report.Ended ? remainingAtEnd : remainingNow).arg(remaining));
    const bool hint = analysis.NextHint && !report.Ended;
    FHintText->setVisible(hint);
    FHintPegs->setVisible(hint);
    if (hint) {
        //: %1 is the next row's number, %2 the hint's pegs as key digits ("1234"); the pegs' picture follows.
        FHintText->setText(tr("Hint for row %1: %2")
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
