#include "windows/records/TfrmRecords.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/help/IHelpCommands.h"
#include "windows/records/TWinsChart.h"

namespace peglore {

namespace {

// "Beginner, 3 × 10", with the variant and the mode when they are not the
// written game's: "Custom, 4 × 10, 6 colours, no repeats, Break My Code".
QString BoardText(int level, int columns, int rows, int colours, bool repeats, TGameMode mode)
{
    QString text = QStringLiteral("%1, %2 \u00d7 %3").arg(LevelName(level)).arg(columns).arg(rows);
    if (const std::string variant = VariantName(colours, repeats); !variant.empty())
        text += QStringLiteral(", ") + QString::fromStdString(variant);
    if (mode == TGameMode::CodeBreaker)
        text += QStringLiteral(", Break My Code");
    return text;
}
QString BoardText(const TBoardFigures& b)
{
    return BoardText(b.Level, b.Columns, b.Rows, b.Colours, b.Repeats, b.Mode);
}
QString BoardText(const TGameRecord& g)
{
    return BoardText(g.Level, g.Columns, g.Rows, g.Colours, g.Repeats, g.Mode);
}

// What sets a game apart beyond its board: "daily 2026-12-09", "hard mode".
QString NotesText(const TGameRecord& g)
{
    QStringList notes;
    if (g.DailyDate)
        notes << QStringLiteral("daily %1").arg(g.DailyDate->toString(Qt::ISODate));
    if (g.HardMode)
        notes << QStringLiteral("hard mode");
    return notes.join(QStringLiteral(", "));
}

QTableWidget* NewTable(const char* name, const QStringList& headers, QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->setAlternatingRowColors(true);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void SetRow(QTableWidget* table, int row, const QStringList& texts)
{
    for (int col = 0; col < texts.size(); ++col) {
        auto* item = new QTableWidgetItem(texts[col]);
        if (col > 0)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, col, item);
    }
}

template <class T>
QString OrDash(const std::optional<T>& value, QString (*text)(T))
{
    return value ? text(*value) : QStringLiteral("\u2013");
}

}  // namespace

QString ClockText(int seconds)
{
    seconds = std::max(seconds, 0);
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

TfrmRecords::TfrmRecords(IHelpCommands& help, QWidget* parent) : QWidget(parent, Qt::Window), FHelp(help)
{
    setObjectName(QStringLiteral("frmRecords"));
    setWindowTitle(QStringLiteral("Records"));
    auto* layout = new QVBoxLayout(this);

    FProblem = new QLabel(this);
    FProblem->setObjectName(QStringLiteral("ProblemLabel"));
    FProblem->setWordWrap(true);
    FProblem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FProblem->setStyleSheet(QStringLiteral("QLabel { color: #a00000; }"));
    FProblem->hide();
    layout->addWidget(FProblem);

    FBoardTable = NewTable("BoardTable",
                           {QStringLiteral("Board"), QStringLiteral("Games"), QStringLiteral("Won"),
                            QStringLiteral("Lost"), QStringLiteral("Best time"), QStringLiteral("Fewest rows"),
                            QStringLiteral("Average rows"), QStringLiteral("Longest run of wins")},
                           this);
    FBoardTable->setAccessibleName(QStringLiteral("Figures per board"));
    layout->addWidget(FBoardTable, 2);

    FDailyLabel = new QLabel(tr("Daily games:"), this);
    layout->addWidget(FDailyLabel);
    FDailyTable = NewTable("DailyTable",
                           {tr("Board"), tr("Daily games"), tr("Won"), tr("Current run of days won"),
                            tr("Longest run of days won")},
                           this);
    FDailyTable->setAccessibleName(tr("Daily games per board"));
    FDailyLabel->setBuddy(FDailyTable);
    layout->addWidget(FDailyTable, 1);

    FChart = new TWinsChart(this);
    layout->addWidget(FChart, 3);

    auto* lastLabel = new QLabel(QStringLiteral("Last %1 games:").arg(LastGamesShown), this);
    layout->addWidget(lastLabel);
    FGameTable =
        NewTable("GameTable",
                 {QStringLiteral("Game number"), QStringLiteral("Ended"), QStringLiteral("Board"),
                  QStringLiteral("Outcome"), QStringLiteral("Rows"), QStringLiteral("Time"), QStringLiteral("Hints"),
                  tr("Notes")},
                 this);
    FGameTable->setAccessibleName(QStringLiteral("Last games"));
    lastLabel->setBuddy(FGameTable);
    layout->addWidget(FGameTable, 4);

    FFilePath = new QLabel(this);
    FFilePath->setObjectName(QStringLiteral("FilePathLabel"));
    FFilePath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(FFilePath);

    auto* buttons = new QDialogButtonBox(this);
    FPlayButton = buttons->addButton(QStringLiteral("&Play"), QDialogButtonBox::ActionRole);
    FPlayButton->setObjectName(QStringLiteral("PlayButton"));
    FPlayButton->setToolTip(QStringLiteral("Play the chosen game again: the same board and the same secret"));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    QPushButton* helpButton = buttons->addButton(QDialogButtonBox::Help);
    layout->addWidget(buttons);

    connect(FBoardTable, &QTableWidget::currentCellChanged, this, [this](int row) { ShowBoard(row); });
    connect(FGameTable, &QTableWidget::itemSelectionChanged, this, &TfrmRecords::UpdatePlayButton);
    const auto play = [this] {
        if (const TGameRecord* game = ChosenGame(); game && FPlayButton->isEnabled())
            emit PlayRequested(*game);
    };
    connect(FPlayButton, &QPushButton::clicked, this, play);
    connect(FGameTable, &QTableWidget::cellDoubleClicked, this, play);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    const auto showHelp = [this] { FHelp.HelpCommand(IHelpCommands::ShowTopic, HelpTopic); };
    connect(helpButton, &QPushButton::clicked, this, showHelp);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, showHelp);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    resize(640, 620);
    SetGames({}, {});
}

void TfrmRecords::SetFilePath(const QString& path)
{
    FFilePath->setText(QStringLiteral("Records file: %1").arg(path));
}

void TfrmRecords::SetProblem(const QString& problem)
{
    FProblem->setText(problem);
    FProblem->setVisible(!problem.isEmpty());
}

void TfrmRecords::SetGames(const std::vector<TGameRecord>& games, const QString& problem)
{
    SetProblem(problem);
    const int chosenBoard = std::max(FBoardTable->currentRow(), 0);
    FBoards = FiguresPerBoard(games, QDate::currentDate());
    FBoardTable->setRowCount(static_cast<int>(FBoards.size()));
    for (std::size_t i = 0; i < FBoards.size(); ++i) {
        const TBoardFigures& b = FBoards[i];
        SetRow(FBoardTable, static_cast<int>(i),
               {BoardText(b), QString::number(b.Games), QString::number(b.Won),
                QString::number(b.Lost), OrDash<int>(b.BestSeconds, &ClockText),
                OrDash<int>(b.FewestRows, [](int rows) { return QString::number(rows); }),
                OrDash<double>(b.AverageRows, [](double rows) { return QString::number(rows, 'f', 1); }),
                QString::number(b.LongestWinRun)});
    }
    int dailyRows = 0;
    FDailyTable->setRowCount(0);
    for (const TBoardFigures& b : FBoards) {
        if (b.DailyGames == 0)
            continue;
        FDailyTable->setRowCount(dailyRows + 1);
        SetRow(FDailyTable, dailyRows++,
               {BoardText(b), QString::number(b.DailyGames), QString::number(b.DailyWon),
                QString::number(b.CurrentDailyRun), QString::number(b.LongestDailyRun)});
    }
    // Shown once a daily game has been played.
    FDailyLabel->setVisible(dailyRows > 0);
    FDailyTable->setVisible(dailyRows > 0);

    const std::size_t shown = std::min<std::size_t>(games.size(), LastGamesShown);
    FLastGames.assign(games.rbegin(), games.rbegin() + static_cast<std::ptrdiff_t>(shown));
    FGameTable->setRowCount(static_cast<int>(shown));
    for (std::size_t i = 0; i < shown; ++i) {
        const TGameRecord& g = FLastGames[i];
        SetRow(FGameTable, static_cast<int>(i),
               {QString::number(g.GameNumber), g.EndedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                BoardText(g), OutcomeName(g.Outcome), QString::number(g.RowsUsed), ClockText(g.Seconds),
                QString::number(g.Hints), NotesText(g)});
        FGameTable->item(static_cast<int>(i), 1)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        FGameTable->item(static_cast<int>(i), 2)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        FGameTable->item(static_cast<int>(i), 3)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        FGameTable->item(static_cast<int>(i), 7)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    if (FBoards.empty()) {
        ShowBoard(-1);
    } else {
        FBoardTable->setCurrentCell(std::min(chosenBoard, static_cast<int>(FBoards.size()) - 1), 0);
        ShowBoard(FBoardTable->currentRow());
    }
    UpdatePlayButton();
}

void TfrmRecords::ShowBoard(int row)
{
    if (row < 0 || row >= static_cast<int>(FBoards.size())) {
        FChart->SetWins(QStringLiteral("Rows per win"), {});
        return;
    }
    const TBoardFigures& b = FBoards[static_cast<std::size_t>(row)];
    FChart->SetWins(QStringLiteral("Rows per win: %1").arg(BoardText(b)), b.WinsByRows);
}

const TGameRecord* TfrmRecords::ChosenGame() const
{
    const QList<QTableWidgetItem*> chosen = FGameTable->selectedItems();
    if (chosen.isEmpty())
        return nullptr;
    const int row = chosen.front()->row();
    return row >= 0 && row < static_cast<int>(FLastGames.size()) ? &FLastGames[static_cast<std::size_t>(row)] : nullptr;
}

void TfrmRecords::SetPlayable(std::function<bool(const TGameRecord&)> playable)
{
    FPlayable = std::move(playable);
    UpdatePlayButton();
}

void TfrmRecords::UpdatePlayButton()
{
    const TGameRecord* game = ChosenGame();
    FPlayButton->setEnabled(game && (!FPlayable || FPlayable(*game)));
}

}  // namespace peglore
