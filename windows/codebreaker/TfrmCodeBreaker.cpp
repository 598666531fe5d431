#include "windows/codebreaker/TfrmCodeBreaker.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

#include "components/boardgrid/TBoardGrid.h"
#include "components/contexthelp/HelpContexts.h"
#include "components/contexthelp/TContextHelp.h"
#include "dialogs/common/DialogFonts.h"
#include "game/BoardGeometry.h"
#include "game/PegColors.h"

namespace peglore {

namespace {
constexpr int Margin = 8;
constexpr int BoardsTop = 176;

QColor ToColour(TColor color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

// A peg of the guess board, as the game's board draws it: a square inset
// in its cell, outlined in black.
void DrawGuessPeg(QPainter& painter, const QRect& cell, std::optional<int> peg)
{
    painter.fillRect(cell, Qt::white);
    if (!peg)
        return;
    const QRect r = cell.adjusted(PegInset, PegInset, -PegInset, -PegInset);
    painter.fillRect(r, ToColour(PegColors[static_cast<std::size_t>(*peg)]));
    painter.setPen(ToColour(OutlineColor));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
}

// A key peg of the score board: a black or white disc on the teal cell.
void DrawKeyPeg(QPainter& painter, const QRect& cell, std::optional<TColor> key)
{
    painter.fillRect(cell, ToColour(EmptyKeyHole));
    if (!key)
        return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(ToColour(OutlineColor));
    painter.setBrush(ToColour(*key));
    painter.drawEllipse(cell.adjusted(PegInset, PegInset, -PegInset - 1, -PegInset - 1));
}

TBoardGrid* NewGrid(const char* name, const QString& accessibleName, int columns, int rows, int cellWidth,
                    QColor cellColour, QWidget* parent)
{
    auto* grid = new TBoardGrid(parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setAccessibleName(accessibleName);
    grid->SetDefaultColWidth(cellWidth);
    grid->SetDefaultRowHeight(GuessCellHeight);
    grid->SetColCount(columns);
    grid->SetFixedCols(columns);
    grid->SetRowCount(rows);
    grid->SetCellColor(cellColour);
    grid->resize(TBoardGrid::SizeFor(columns, rows, cellWidth, GuessCellHeight));
    return grid;
}

// "row 2", "rows 1, 2 and 4": rows counted from 0.
QString RowList(const std::vector<int>& rows)
{
    QStringList names;
    for (int row : rows)
        names << QString::number(row + 1);
    if (names.size() == 1)
        //: The rows whose answers disagree, when one row: %1 is its number. It fills "The answers of %1".
        return QCoreApplication::translate("peglore::TfrmCodeBreaker", "row %1").arg(names.front());
    const QString last = names.takeLast();
    //: The rows whose answers disagree: %1 is a list of row numbers ("1, 2"), %2 the last one. It fills
    //: "The answers of %1".
    return QCoreApplication::translate("peglore::TfrmCodeBreaker", "rows %1 and %2")
        .arg(names.join(QStringLiteral(", ")), last);
}

QSize ClientSize(int width, int rows)
{
    const QSize guess = TBoardGrid::SizeFor(width, rows, GuessCellWidth, GuessCellHeight);
    const QSize score = TBoardGrid::SizeFor(width, rows, ScoreCellWidth, GuessCellHeight);
    return {std::max(Margin + guess.width() + BoardGap + score.width() + Margin, 316),
            BoardsTop + guess.height() + 58};
}
}  // namespace

TfrmCodeBreaker::TfrmCodeBreaker(IHelpCommands& help, int width, int rows, QWidget* parent)
    : TGameDialog(help, ClientSize(width, rows), TTitleHelp::ContextHelpButton, IHelpCommands::ContextPopup, parent),
      FWidth(width), FRows(rows), FSecretPegs(static_cast<std::size_t>(width), -1),
      FGuesses(static_cast<std::size_t>(rows)), FAnswers(static_cast<std::size_t>(rows))
{
    using namespace HelpContexts;
    setObjectName(QStringLiteral("frmCodeBreaker"));
    //: Title of the window where the computer breaks the player's secret code (Tools > Break My Code...).
    setWindowTitle(tr("Break My Code"));
    setModal(false);
    setFont(DialogFont(11));
    SetFontColor(this, Qt::black);
    TContextHelp::SetContext(this, CodeBreakerWindow);

    //: Caption above the player's code, 300 pixels wide. %1 is the highest colour key (8).
    auto* secretLabel = new QLabel(tr("Your secret code (keys 1 to %1, Backspace clears):").arg(TCode::Colours), this);
    secretLabel->setGeometry(Margin, 6, 300, 16);
    //: Accessible name of the row of the player's code, read by screen readers.
    FSecretGrid = NewGrid("SecretGrid", tr("Your secret code"), width, 1, GuessCellWidth, Qt::white, this);
    FSecretGrid->move(Margin, 24);
    FSecretGrid->SetDrawCell([this](QPainter& painter, int col, int, const QRect& rect) {
        const int peg = FSecretPegs[static_cast<std::size_t>(col)];
        DrawGuessPeg(painter, rect, peg < 0 ? std::nullopt : std::optional<int>(peg));
        if (col == FSelected && FSelfScoring && FSelfScoring->isEnabled() && !FSelfScoring->isChecked()) {
            painter.setPen(QPen(ToColour(FocusMarkColor), FocusMarkWidth));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect.adjusted(1, 1, -1, -1));
        }
    });
    TContextHelp::SetContext(FSecretGrid, CodeBreakerSecret);
    ContextHelp().AttachPopupMenu(FSecretGrid);

    FColourBar = new QWidget(this);
    FColourBar->setObjectName(QStringLiteral("CodeBreakerColours"));
    //: Accessible name of the row of eight colours, read by screen readers.
    FColourBar->setAccessibleName(tr("Colour bar"));
    FColourBar->setGeometry(Margin, 60, 8 * 27, 24);
    TContextHelp::SetContext(FColourBar, CodeBreakerColors);
    for (int place = 0; place < TCode::Colours; ++place) {
        const int peg = ColorBarOrder[static_cast<std::size_t>(place)];
        auto* swatch = new QPushButton(FColourBar);
        swatch->setObjectName(QStringLiteral("CodeBreakerColour%1").arg(place + 1));
        //: Accessible name of a colour button: %1 is its place in the bar, from 1 to 8.
        swatch->setAccessibleName(tr("Colour %1").arg(place + 1));
        //: Tooltip of a colour button: the key %1 (a digit) places the colour.
        swatch->setToolTip(tr("Key %1").arg(place + 1));
        swatch->setGeometry(place * 27, 1, 24, 22);
        swatch->setFocusPolicy(Qt::NoFocus);
        swatch->setStyleSheet(QStringLiteral("QPushButton { background: %1; border: 1px solid black; }"
                                             "QPushButton:disabled { border: 1px solid gray; }")
                                  .arg(ToColour(PegColors[static_cast<std::size_t>(peg)]).name()));
        TContextHelp::SetContext(swatch, CodeBreakerColors);
        connect(swatch, &QPushButton::clicked, this, [this, peg] { PlaceColour(peg); });
    }
    //: Button, 80 pixels wide: makes a random code for the player.
    FRandomButton = new QPushButton(tr("&Random"), this);
    FRandomButton->setObjectName(QStringLiteral("RandomButton"));
    FRandomButton->setGeometry(Margin + 8 * 27 + 6, 60, 80, 23);
    TContextHelp::SetContext(FRandomButton, CodeBreakerRandom);
    connect(FRandomButton, &QPushButton::clicked, this, &TfrmCodeBreaker::RandomRequested);

    //: Check box, 300 pixels wide: the player answers each of the computer's rows, with no code set here.
    FSelfScoring = new QCheckBox(tr("I &score the rows myself"), this);
    FSelfScoring->setObjectName(QStringLiteral("SelfScoringCheck"));
    FSelfScoring->setGeometry(Margin, 90, 300, 20);
    TContextHelp::SetContext(FSelfScoring, CodeBreakerSelfScoring);
    connect(FSelfScoring, &QCheckBox::toggled, this, [this](bool self) {
        FColourBar->setEnabled(!self);
        FRandomButton->setEnabled(!self);
        FSecretGrid->update();
    });

    //: Button, 80 pixels wide.
    FStartButton = new QPushButton(tr("S&tart"), this);
    FStartButton->setObjectName(QStringLiteral("StartButton"));
    FStartButton->setGeometry(Margin, 116, 80, 23);
    FStartButton->setDefault(true);
    TContextHelp::SetContext(FStartButton, CodeBreakerStart);
    connect(FStartButton, &QPushButton::clicked, this, [this] {
        const std::optional<TCode> secret = Secret();
        if (!SelfScoring() && !secret) {
            //: "Random" is the button's name.
            SetStatus(tr("Put a peg in every hole of your code first, or press Random."));
            return;
        }
        ClearBoards();
        SetPlaying(true);
        emit StartRequested(SelfScoring() ? std::nullopt : secret);
    });
    //: Button, 80 pixels wide: the computer plays its rows without waiting between them.
    FFasterButton = new QPushButton(tr("&Faster"), this);
    FFasterButton->setObjectName(QStringLiteral("FasterButton"));
    FFasterButton->setGeometry(Margin + 86, 116, 80, 23);
    FFasterButton->setEnabled(false);
    TContextHelp::SetContext(FFasterButton, CodeBreakerFaster);
    connect(FFasterButton, &QPushButton::clicked, this, &TfrmCodeBreaker::FasterRequested);
    //: Button, 80 pixels wide.
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setGeometry(Margin + 172, 116, 80, 23);
    TContextHelp::SetContext(close, CodeBreakerWindow);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    SetEscapeButton(close);

    //: Caption, 46 pixels wide, before the number of black key pegs (right colour in the right hole).
    auto* blacksLabel = new QLabel(tr("&Blacks:"), this);
    blacksLabel->setGeometry(Margin, 148, 46, 20);
    FBlacks = new QSpinBox(this);
    FBlacks->setObjectName(QStringLiteral("BlacksBox"));
    FBlacks->setGeometry(Margin + 48, 146, 46, 23);
    blacksLabel->setBuddy(FBlacks);
    //: Caption, 46 pixels wide, before the number of white key pegs (right colour in another hole).
    auto* whitesLabel = new QLabel(tr("&Whites:"), this);
    whitesLabel->setGeometry(Margin + 104, 148, 46, 20);
    FWhites = new QSpinBox(this);
    FWhites->setObjectName(QStringLiteral("WhitesBox"));
    FWhites->setGeometry(Margin + 152, 146, 46, 23);
    whitesLabel->setBuddy(FWhites);
    for (QSpinBox* box : {FBlacks, FWhites}) {
        box->setRange(0, width);
        TContextHelp::SetContext(box, CodeBreakerAnswer);
    }
    //: Button, 80 pixels wide: a command, gives the blacks and whites to the computer.
    FAnswerButton = new QPushButton(tr("&Answer"), this);
    FAnswerButton->setObjectName(QStringLiteral("AnswerButton"));
    FAnswerButton->setGeometry(Margin + 208, 146, 80, 23);
    TContextHelp::SetContext(FAnswerButton, CodeBreakerAnswer);
    connect(FAnswerButton, &QPushButton::clicked, this, [this] {
        const TKeyPegs answer{FBlacks->value(), FWhites->value()};
        if (!answer.PossibleOn(FWidth)) {
            //: %1 black and %2 white key pegs, %3 the holes of a row: more key pegs than a row can have.
            SetStatus(tr("No code answers %1 black, %2 white on %3 holes.")
                          .arg(answer.Blacks)
                          .arg(answer.Whites)
                          .arg(FWidth));
            return;
        }
        for (QWidget* part : {static_cast<QWidget*>(FBlacks), static_cast<QWidget*>(FWhites),
                              static_cast<QWidget*>(FAnswerButton)})
            part->setEnabled(false);
        emit AnswerGiven(answer);
    });
    for (QWidget* part :
         {static_cast<QWidget*>(FBlacks), static_cast<QWidget*>(FWhites), static_cast<QWidget*>(FAnswerButton)})
        part->setEnabled(false);

    //: Accessible name of the board of the computer's guesses, read by screen readers.
    FGuessGrid = NewGrid("CodeBreakerGuesses", tr("The computer's rows"), width, rows, GuessCellWidth, Qt::white, this);
    FGuessGrid->move(Margin, BoardsTop);
    FGuessGrid->SetDrawCell([this](QPainter& painter, int col, int row, const QRect& rect) {
        const auto& guess = FGuesses[static_cast<std::size_t>(row)];
        DrawGuessPeg(painter, rect, guess ? std::optional<int>(guess->Peg(col)) : std::nullopt);
    });
    TContextHelp::SetContext(FGuessGrid, CodeBreakerBoard);
    //: Accessible name of the board of key pegs that answer the computer's rows, read by screen readers.
    FScoreGrid = NewGrid("CodeBreakerAnswers", tr("The answers"), width, rows, ScoreCellWidth, ToColour(EmptyKeyHole), this);
    FScoreGrid->move(Margin + FGuessGrid->width() + BoardGap, BoardsTop);
    FScoreGrid->SetDrawCell([this](QPainter& painter, int col, int row, const QRect& rect) {
        const auto& answer = FAnswers[static_cast<std::size_t>(row)];
        std::optional<TColor> key;
        if (answer && col < answer->Blacks)
            key = BlackKeyPeg;
        else if (answer && col < answer->Blacks + answer->Whites)
            key = WhiteKeyPeg;
        DrawKeyPeg(painter, rect, key);
    });
    TContextHelp::SetContext(FScoreGrid, CodeBreakerBoard);
    for (TBoardGrid* board : {FGuessGrid, FScoreGrid})
        ContextHelp().AttachPopupMenu(board);

    FStatus = new QLabel(this);
    FStatus->setObjectName(QStringLiteral("CodeBreakerStatus"));
    FStatus->setWordWrap(true);
    FStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FStatus->setGeometry(Margin, BoardsTop + FGuessGrid->height() + 4, ClientSize(width, rows).width() - 2 * Margin, 50);
    TContextHelp::SetContext(FStatus, CodeBreakerBoard);
    //: %1 is the holes in a row; "Start" is the button's name.
    SetStatus(tr("Set your secret code on the %1 holes and press Start.").arg(width));
}

std::optional<TCode> TfrmCodeBreaker::Secret() const
{
    if (std::find(FSecretPegs.begin(), FSecretPegs.end(), -1) != FSecretPegs.end())
        return std::nullopt;
    return TCode::FromPegs(FSecretPegs);
}

void TfrmCodeBreaker::SetSecret(const TCode& secret)
{
    for (int hole = 0; hole < FWidth && hole < secret.Width(); ++hole)
        FSecretPegs[static_cast<std::size_t>(hole)] = secret.Peg(hole);
    FSelected = 0;
    FSecretGrid->update();
}

bool TfrmCodeBreaker::SelfScoring() const
{
    return FSelfScoring->isChecked();
}

void TfrmCodeBreaker::PlaceColour(int paletteIndex)
{
    if (!FColourBar->isEnabled())
        return;
    FSecretPegs[static_cast<std::size_t>(FSelected)] = paletteIndex;
    FSelected = std::min(FSelected + 1, FWidth - 1);
    FSecretGrid->update();
}

void TfrmCodeBreaker::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key >= Qt::Key_1 && key < Qt::Key_1 + TCode::Colours && event->modifiers() == Qt::NoModifier) {
        PlaceColour(ColorBarOrder[static_cast<std::size_t>(key - Qt::Key_1)]);
        return;
    }
    if ((key == Qt::Key_Backspace || key == Qt::Key_Delete) && FColourBar->isEnabled()) {
        if (key == Qt::Key_Backspace && FSecretPegs[static_cast<std::size_t>(FSelected)] < 0 && FSelected > 0)
            --FSelected;
        FSecretPegs[static_cast<std::size_t>(FSelected)] = -1;
        FSecretGrid->update();
        return;
    }
    TGameDialog::keyPressEvent(event);
}

void TfrmCodeBreaker::FormClose(int)
{
    emit Closed();
}

void TfrmCodeBreaker::ClearBoards()
{
    std::fill(FGuesses.begin(), FGuesses.end(), std::nullopt);
    std::fill(FAnswers.begin(), FAnswers.end(), std::nullopt);
    FGuessGrid->update();
    FScoreGrid->update();
}

void TfrmCodeBreaker::SetPlaying(bool playing)
{
    const bool self = SelfScoring();
    // Start stays on: it starts again, as after answers given wrong.
    FSelfScoring->setEnabled(!playing);
    FColourBar->setEnabled(!playing && !self);
    FRandomButton->setEnabled(!playing && !self);
    FFasterButton->setEnabled(playing && !self);
    if (!playing)
        for (QWidget* part : {static_cast<QWidget*>(FBlacks), static_cast<QWidget*>(FWhites),
                              static_cast<QWidget*>(FAnswerButton)})
            part->setEnabled(false);
    FSecretGrid->update();
}

void TfrmCodeBreaker::SetStatus(const QString& text)
{
    FStatus->setText(text);
}

QString TfrmCodeBreaker::StatusText() const
{
    return FStatus->text();
}

void TfrmCodeBreaker::ShowThinking(int row)
{
    //: %1 is the row's number.
    SetStatus(tr("Row %1: the computer is choosing its guess…").arg(row + 1));
}

void TfrmCodeBreaker::ShowGuess(int row, const TCode& guess)
{
    FGuesses[static_cast<std::size_t>(row)] = guess;
    FGuessGrid->update();
    if (!SelfScoring())
        //: %1 is the row's number, %2 the computer's guess as key digits ("1234").
        SetStatus(tr("Row %1: the computer plays %2.").arg(row + 1).arg(QString::fromStdString(guess.Digits())));
}

void TfrmCodeBreaker::ShowAnswer(int row, TKeyPegs answer)
{
    FAnswers[static_cast<std::size_t>(row)] = answer;
    FScoreGrid->update();
}

void TfrmCodeBreaker::AskAnswer(int row)
{
    FBlacks->setValue(0);
    FWhites->setValue(0);
    for (QWidget* part :
         {static_cast<QWidget*>(FBlacks), static_cast<QWidget*>(FWhites), static_cast<QWidget*>(FAnswerButton)})
        part->setEnabled(true);
    FAnswerButton->setDefault(true);
    FBlacks->setFocus();
    FBlacks->selectAll();
    //: %1 is the row's number; "Answer" is the button's name.
    SetStatus(tr("Row %1: score the computer's guess against your code: blacks and whites, then Answer.").arg(row + 1));
}

void TfrmCodeBreaker::ShowConflict(const std::vector<int>& rows, int row)
{
    FAnswers[static_cast<std::size_t>(row)].reset();
    FScoreGrid->update();
    AskAnswer(row);
    // In place of the request AskAnswer showed: the row waits for its
    // answer again.
    //: %1 is "row 3" or "rows 1, 2 and 4", %2 the number of the row whose answer is asked for again.
    SetStatus(tr("The answers of %1 cannot all be true: no code gives every one of them. Score row %2 again, or "
                 "start again if an earlier row was scored wrong.")
                  .arg(RowList(rows))
                  .arg(row + 1));
}

void TfrmCodeBreaker::ShowEnd(const TCodeBreakEnd& end)
{
    SetPlaying(false);
    FStartButton->setDefault(true);
    if (end.Secret)
        SetSecret(*end.Secret);
    const QString code = end.Secret ? QString::fromStdString(end.Secret->Digits()) : QString();
    // The written English has its own words for one row; the other counts
    // take the language's plural forms.
    const bool one = end.RowsUsed == 1;
    const int rows = end.RowsUsed;
    QString text;
    if (end.Found && one)
        //: %1 is the player's code as key digits ("1234").
        text = tr("The computer broke your code in 1 row. Your code: %1.").arg(code);
    else if (end.Found)
        //: %n is the rows the computer took, %1 the player's code as key digits ("1234").
        text = tr("The computer broke your code in %n rows. Your code: %1.", nullptr, rows).arg(code);
    else if (end.Secret && one)
        //: %1 is the player's code as key digits ("1234").
        text = tr("The computer did not break your code in 1 row. Your code: %1.").arg(code);
    else if (end.Secret)
        //: %n is the rows played, %1 the player's code as key digits ("1234").
        text = tr("The computer did not break your code in %n rows. Your code: %1.", nullptr, rows).arg(code);
    else if (one)
        //: The player scored the rows and set no code here.
        text = tr("The computer did not break your code in 1 row.");
    else
        //: The player scored the rows and set no code here; %n is the rows played.
        text = tr("The computer did not break your code in %n rows.", nullptr, rows);
    SetStatus(text);
}

}  // namespace peglore
