#include "windows/records/TfrmRecords.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/help/IHelpCommands.h"
#include "translations/Formats.h"
#include "windows/records/TWinsChart.h"

namespace peglore {

namespace {

// "Beginner, 3 × 10", with the variant and the mode when they are not the
// written game's: "Custom, 4 × 10, 6 colours, no repeats, Break My Code".
QString BoardText(int level, int columns, int rows, int colours, bool repeats, TGameMode mode)
{
    // The level's name as the game core words it, or the records' own
    // "Level 7" for a level no game has.
    const QString name = QCoreApplication::translate("peglore::GameNames", LevelName(level).toUtf8().constData());
    const QString variant = VariantText(colours, repeats);
    const bool codeBreaker = mode == TGameMode::CodeBreaker;
    if (variant.isEmpty() && !codeBreaker)
        //: A board in the records' tables: %1 is the level's name, %2 the holes in a row, %3 the rows.
        return QCoreApplication::translate("peglore::TfrmRecords", "%1, %2 \u00d7 %3").arg(name).arg(columns).arg(rows);
    if (!codeBreaker)
        //: A board in the records' tables: %1 is the level's name, %2 the holes in a row, %3 the rows,
        //: %4 the colours in play ("6 colours, no repeats").
        return QCoreApplication::translate("peglore::TfrmRecords", "%1, %2 \u00d7 %3, %4")
            .arg(name)
            .arg(columns)
            .arg(rows)
            .arg(variant);
    if (variant.isEmpty())
        //: A board the computer played against the player's own secret (Tools > Break My Code...): %1 is the
        //: level's name, %2 the holes in a row, %3 the rows.
        return QCoreApplication::translate("peglore::TfrmRecords", "%1, %2 \u00d7 %3, Break My Code")
            .arg(name)
            .arg(columns)
            .arg(rows);
    //: A board the computer played against the player's own secret (Tools > Break My Code...): %1 is the
    //: level's name, %2 the holes in a row, %3 the rows, %4 the colours in play ("6 colours, no repeats").
    return QCoreApplication::translate("peglore::TfrmRecords", "%1, %2 \u00d7 %3, %4, Break My Code")
        .arg(name)
        .arg(columns)
        .arg(rows)
        .arg(variant);
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
    if (g.DailyDate && g.HardMode)
        //: The notes of a game in the list of last games: the daily game of the date %1, played in hard mode
        //: (every row had to fit the answers so far).
        return QCoreApplication::translate("peglore::TfrmRecords", "daily %1, hard mode").arg(LocalDate(*g.DailyDate));
    if (g.DailyDate)
        //: The notes of a game in the list of last games: the daily game of the date %1.
        return QCoreApplication::translate("peglore::TfrmRecords", "daily %1").arg(LocalDate(*g.DailyDate));
    if (g.HardMode)
        //: The notes of a game in the list of last games: played in hard mode (every row had to fit the
        //: answers so far).
        return QCoreApplication::translate("peglore::TfrmRecords", "hard mode");
    return {};
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
    //: Title of the Records window (Tools > Records..., F4).
    setWindowTitle(tr("Records"));
    auto* layout = new QVBoxLayout(this);

    FProblem = new QLabel(this);
    FProblem->setObjectName(QStringLiteral("ProblemLabel"));
    FProblem->setWordWrap(true);
    FProblem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FProblem->setStyleSheet(QStringLiteral("QLabel { color: #a00000; }"));
    FProblem->hide();
    layout->addWidget(FProblem);

    // The columns' headers, each as wide as its text.
    FBoardTable = NewTable("BoardTable",
                           {
                               //: Column header: the board (level, size, colours).
                               tr("Board"),
                               //: Column header: the number of games played on the board.
                               tr("Games"),
                               //: Column header: the number of games won.
                               tr("Won"),
                               //: Column header: the number of games lost.
                               tr("Lost"),
                               //: Column header: the shortest time of a won game.
                               tr("Best time"),
                               //: Column header: the fewest rows a won game took.
                               tr("Fewest rows"),
                               //: Column header: the rows a won game took on average.
                               tr("Average rows"),
                               //: Column header: the most games won one after the other.
                               tr("Longest run of wins"),
                           },
                           this);
    //: Accessible name of the table of figures, read by screen readers.
    FBoardTable->setAccessibleName(tr("Figures per board"));
    layout->addWidget(FBoardTable, 2);

    //: Caption above the table of the daily games (one game a day, the same for every player).
    FDailyLabel = new QLabel(tr("Daily games:"), this);
    layout->addWidget(FDailyLabel);
    FDailyTable = NewTable("DailyTable",
                           {
                               //: Column header: the board (level, size, colours).
                               tr("Board"),
                               //: Column header: the number of daily games played on the board.
                               tr("Daily games"),
                               //: Column header: the number of daily games won.
                               tr("Won"),
                               //: Column header: the days one after the other up to today whose daily game was won.
                               tr("Current run of days won"),
                               //: Column header: the most days one after the other whose daily game was won.
                               tr("Longest run of days won"),
                           },
                           this);
    //: Accessible name of the table of daily games, read by screen readers.
    FDailyTable->setAccessibleName(tr("Daily games per board"));
    FDailyLabel->setBuddy(FDailyTable);
    layout->addWidget(FDailyTable, 1);

    FChart = new TWinsChart(this);
    layout->addWidget(FChart, 3);

    //: Caption above the list of the games played last, newest first; %n is how many it shows.
    auto* lastLabel = new QLabel(tr("Last %n games:", nullptr, LastGamesShown), this);
    layout->addWidget(lastLabel);
    FGameTable = NewTable("GameTable",
                          {
                              //: Column header: the game's number, which plays the same secret again.
                              tr("Game number"),
                              //: Column header: the date and time the game ended.
                              tr("Ended"),
                              //: Column header: the board (level, size, colours).
                              tr("Board"),
                              //: Column header: how the game ended (won, lost, given up, abandoned).
                              tr("Outcome"),
                              //: Column header: the number of rows played.
                              tr("Rows"),
                              //: Column header: the game's time on the clock.
                              tr("Time"),
                              //: Column header: the number of hints taken.
                              tr("Hints"),
                              //: Column header: what sets the game apart (daily game, hard mode).
                              tr("Notes"),
                          },
                          this);
    //: Accessible name of the list of last games, read by screen readers.
    FGameTable->setAccessibleName(tr("Last games"));
    lastLabel->setBuddy(FGameTable);
    layout->addWidget(FGameTable, 4);

    FFilePath = new QLabel(this);
    FFilePath->setObjectName(QStringLiteral("FilePathLabel"));
    FFilePath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(FFilePath);

    auto* buttons = new QDialogButtonBox(this);
    //: Button: plays the game chosen in the list of last games again.
    FPlayButton = buttons->addButton(tr("&Play"), QDialogButtonBox::ActionRole);
    FPlayButton->setObjectName(QStringLiteral("PlayButton"));
    FPlayButton->setToolTip(tr("Play the chosen game again: the same board and the same secret"));
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
    //: The line at the foot of the Records window; %1 is the records file's path.
    FFilePath->setText(tr("Records file: %1").arg(path));
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
               {BoardText(b), LocalNumber(b.Games), LocalNumber(b.Won), LocalNumber(b.Lost),
                OrDash<int>(b.BestSeconds, &ClockText),
                OrDash<int>(b.FewestRows, [](int rows) { return LocalNumber(rows); }),
                OrDash<double>(b.AverageRows, [](double rows) { return LocalDecimal(rows, 1); }),
                LocalNumber(b.LongestWinRun)});
    }
    int dailyRows = 0;
    FDailyTable->setRowCount(0);
    for (const TBoardFigures& b : FBoards) {
        if (b.DailyGames == 0)
            continue;
        FDailyTable->setRowCount(dailyRows + 1);
        SetRow(FDailyTable, dailyRows++,
               {BoardText(b), LocalNumber(b.DailyGames), LocalNumber(b.DailyWon), LocalNumber(b.CurrentDailyRun),
                LocalNumber(b.LongestDailyRun)});
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
               {QString::number(g.GameNumber), LocalDateTime(g.EndedAt.toLocalTime()), BoardText(g),
                OutcomeText(g.Outcome), LocalNumber(g.RowsUsed), ClockText(g.Seconds), LocalNumber(g.Hints),
                NotesText(g)});
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
        //: The chart's title while no board is chosen: how many wins took each number of rows.
        FChart->SetWins(tr("Rows per win"), {});
        return;
    }
    const TBoardFigures& b = FBoards[static_cast<std::size_t>(row)];
    //: The chart's title: how many wins took each number of rows; %1 is the board.
    FChart->SetWins(tr("Rows per win: %1").arg(BoardText(b)), b.WinsByRows);
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
