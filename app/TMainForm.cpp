#include "app/TMainForm.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>

#include <chrono>
#include <cstdio>

#include "app/AppAccessibility.h"
#include "app/GameKeeper.h"
#include "app/TActiveFormTracker.h"
#include "app/TAnalyst.h"
#include "app/TCodeBreakerRun.h"
#include "app/TColorSwatch.h"
#include "app/TDailyGames.h"
#include "app/TGameClockAccessible.h"
#include "app/TGameSession.h"
#include "app/TGridSurface.h"
#include "app/TGuessBoardInput.h"
#include "app/TGuessBoardReading.h"
#include "app/TMainFormPorts.h"
#include "app/TPainterCanvas.h"
#include "app/TRecordsKeeper.h"
#include "app/TScoreBoardReading.h"
#include "app/TToolActions.h"
#include "app/TTooltipSwitch.h"
#include "components/accessible/TGroupAccessible.h"
#include "components/boardgrid/TBoardGrid.h"
#include "components/contexthelp/HelpContexts.h"
#include "components/contexthelp/TContextHelp.h"
#include "components/digit/Udigit.h"
#include "components/widgets/TBevel.h"
#include "components/widgets/TBevelPanel.h"
#include "components/widgets/TMarbleBackground.h"
#include "components/widgets/TStatusPanels.h"
#include "game/BoardGeometry.h"
#include "game/PegColors.h"
#include "game/TLeftGrid.h"
#include "game/TLevelSettings.h"
#include "game/TLogic.h"
#include "game/TRightGrid.h"
#include "platform/help/IHelpCommands.h"
#include "platform/media/IMediaPlayer.h"
#include "resources/pictures/Pictures.h"
#include "services/clock/TMyTimer.h"
#include "services/clock/TimerDigits.h"
#include "services/messages/TMessages.h"
#include "services/music/TMusic.h"
#include "settings/configuration/TConfiguration.h"
#include "settings/keptgame/KeptGameFile.h"

namespace peglore {

namespace {
constexpr int StatusPanelWidth = 50;
constexpr int HintPause = 600;

// A hint of the form "short|long": the tooltip shows the short part, the
// status bar the long part; a hint without "|" is both.
QString ShortHint(const QString& hint)
{
    return hint.section(QLatin1Char('|'), 0, 0);
}
QString LongHint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

// The colour bar's swatches, left to right, with the palette entry each
// shows.
struct TSwatchDef {
    const char* Name;
    std::size_t PegIndex;
    int Left;
};
constexpr TSwatchDef Swatches[] = {
    {"RedShape", 0, 3},    {"LimeShape", 7, 30},  {"BlackShape", 2, 58},    {"YellowShape", 3, 85},
    {"BlueShape", 4, 112}, {"GrayShape", 5, 139}, {"FuchsiaShape", 6, 167}, {"GreenShape", 1, 194},
};
constexpr bool SwatchesInColorBarOrder()
{
    for (std::size_t i = 0; i < std::size(Swatches); ++i)
        if (Swatches[i].PegIndex != static_cast<std::size_t>(ColorBarOrder[i]))
            return false;
    return true;
}
static_assert(SwatchesInColorBarOrder());

void AddBevel(TBevelShape shape, const char* name, const QRect& geometry, QWidget* parent)
{
    auto* bevel = new TBevel(shape, parent);
    bevel->setObjectName(QString::fromLatin1(name));
    bevel->setGeometry(geometry);
    TGroupAccessible::SetAccessibleHidden(*bevel);
}
}  // namespace

TMainForm::TMainForm(IHelpCommands& help, IMediaPlayer& player, TGameFiles files, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      FHelp(help), FPlayer(player), FFiles(std::move(files))
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Peglore"));
    setWindowIcon(QIcon(QString::fromLatin1(PicturePaths::WindowIcon)));
    QFont designed(QStringLiteral("Liberation Sans"));
    designed.setPixelSize(11);
    setFont(designed);

    InstallAppAccessibility();
    FTooltips = new TTooltipSwitch(this);
    FActiveForms = new TActiveFormTracker(this);
    FContextHelp = new TContextHelp(help, *this, {});

    FTools = new TToolActions(*this);
    CreateComponents();
    CreateMenus();
    FVersionResource.SetFileName(FFiles.Executable);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    TMainFormParts parts;
    parts.Window = this;
    parts.Client = FClient;
    parts.Hand = findChild<QLabel*>(QStringLiteral("Hand"));
    parts.StatusBar = FStatusBar;
    parts.LeftBoard = FLeftBoard;
    parts.RightBoard = FRightBoard;
    parts.CheckButton = FCheckButton;
    parts.LevelItems = FLevelItems;
    parts.Tooltips = FTooltips;
    parts.Swatches = FSwatches;
    parts.ClockPanel = findChild<QWidget*>(QStringLiteral("Panel2"));
    // FormCreate: the designed width is the narrowest the window gets.
    FPorts = std::make_unique<TMainFormPorts>(parts, DesignedClientWidth);
    FPorts->SetClientSize(DesignedClientWidth, DesignedClientHeight);

    FSecondsTimer = new QTimer(this);
    FSecondsTimer->setObjectName(QStringLiteral("SecondsTimer"));
    FSecondsTimer->setInterval(1000);
    connect(FSecondsTimer, &QTimer::timeout, this, &TMainForm::SecondsTimerTimer);
    FSecondsTimer->start();

    FPlayer.SetOnNotify([this](TMediaResult result) { MediaPlayerNotify(result == TMediaResult::Successful); });
}

TMainForm::~TMainForm()
{
    FormClose();
    // The readings go before the boards that read them.
    FLeftBoard->SetReading(nullptr);
    FRightBoard->SetReading(nullptr);
    // The player outlives the window: it reports to nobody from now on,
    // and gives up the device as the window goes.
    FPlayer.SetOnNotify({});
    FPlayer.Close();
}

void TMainForm::SetDialogs(QDialog* correctAnswer, QDialog* properties, QDialog* customBoard, QDialog* about)
{
    FPorts->SetCorrectAnswerDialog(correctAnswer);
    FPropertiesDialog = properties;
    FCustomBoardDialog = customBoard;
    FAboutDialog = about;
}

void TMainForm::CreateComponents()
{
    FClient = new TMarbleBackground(this);
    setCentralWidget(FClient);

    auto* panel1 = new TBevelPanel(FClient);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setGeometry(2, 6, 153, 31);
    // The role before the name: naming makes Qt look up the interface.
    TGroupAccessible::SetAccessibleRole(*panel1, QAccessible::ToolBar);
    //: Accessible name, read by screen readers: the three buttons at the top left.
    panel1->setAccessibleName(tr("Tool bar"));
    // The tool buttons' hints: the tooltip before "|", the status bar's text
    // after it (none).
    //: Tooltip of the first tool button. Keep the "|" at the end.
    AddToolButton(panel1, "sbtnNew", tr("New Game|"), PicturePaths::NewGlyph, PicturePaths::NewGlyphDisabled, 4,
                  &TMainForm::mmenuNewGameClick);
    //: Tooltip of the second tool button, which opens the Properties dialog. Keep the "|" at the end.
    AddToolButton(panel1, "sbtnProperties", tr("Game Properties|"), PicturePaths::PropertiesGlyph, nullptr, 34,
                  &TMainForm::mmenuPropertiesClick);
    //: Tooltip of the third tool button: a command, check the current row now. Keep the "|" at the end.
    FCheckButton = AddToolButton(panel1, "sbtnCheck", tr("Check!|"), PicturePaths::CheckGlyph,
                                 PicturePaths::CheckGlyphDisabled, 64, &TMainForm::sbtnCheckClick);
    AddBevel(TBevelShape::LeftLine, "Bevel1", QRect(92, 2, 3, 25), panel1);
    AddBevel(TBevelShape::LeftLine, "Bevel4", QRect(162, 2, 2, 40), FClient);

    auto* panel2 = new TBevelPanel(FClient);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setGeometry(172, 2, 54, 39);
    panel2->SetBevelInner(TBevelCut::Raised);
    TContextHelp::SetContext(panel2, HelpContexts::ClockPanel);
    TGameClockAccessible::Mark(*panel2);
    FDigits = CreateTimerDigits(*panel2);
    for (TDigit* digit : FDigits)
        digit->setAttribute(Qt::WA_TransparentForMouseEvents);

    AddBevel(TBevelShape::BottomLine, "Bevel3", QRect(1, 38, 226, 9), FClient);

    auto* colorsBar = new TBevelPanel(FClient);
    colorsBar->setObjectName(QStringLiteral("ColorsBarPanel"));
    colorsBar->setGeometry(1, 49, 222, 30);
    colorsBar->SetBevelOuter(TBevelCut::None);
    colorsBar->SetBevelInner(TBevelCut::Raised);
    TContextHelp::SetContext(colorsBar, HelpContexts::ColorBar);
    TGroupAccessible::SetAccessibleRole(*colorsBar, QAccessible::List);
    //: Accessible name, read by screen readers: the row of eight colours to drag pegs from.
    colorsBar->setAccessibleName(tr("Colour bar"));
    TGuessBoardInput::TKeyColors keyColors{};
    for (std::size_t i = 0; i < std::size(Swatches); ++i) {
        const TSwatchDef& s = Swatches[i];
        auto* swatch = new TColorSwatch(PegColors[s.PegIndex], colorsBar);
        swatch->setObjectName(QString::fromLatin1(s.Name));
        swatch->setGeometry(s.Left, 4, 24, 22);
        swatch->SetKey(int(i) + 1);
        FSwatches[i] = swatch;
        keyColors[i] = swatch->Color();
    }

    auto* hand = new QLabel(FClient);
    hand->setObjectName(QStringLiteral("Hand"));
    hand->setPixmap(PictureFor(PicturePaths::RowMarker, qApp->devicePixelRatio()));
    hand->setGeometry(RowMarkerLeft, RowMarkerTop, 38, 18);
    hand->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The row marker only repeats what the current row says.
    TGroupAccessible::SetAccessibleHidden(*hand);

    FLeftBoard = new TBoardGrid(FClient);
    FLeftBoard->setObjectName(QStringLiteral("LeftBoard"));
    FLeftBoard->SetCellColor(Qt::white);
    FLeftBoard->move(LeftBoardLeft, LeftBoardTop);
    FLeftSurface = std::make_unique<TGridSurface>(*FLeftBoard);
    FLeftBoard->SetDrawCell([this](QPainter& painter, int col, int row, const QRect&) {
        if (!FSession)
            return;
        TPainterCanvas canvas(painter);
        FSession->LeftGrid().DrawCell(col, row, canvas);
    });
    FGuessBoardInput = new TGuessBoardInput(*FLeftBoard, *this, keyColors, *FTools->Hint());
    for (TColorSwatch* swatch : FSwatches)
        connect(swatch, &TColorSwatch::Chosen, FGuessBoardInput, &TGuessBoardInput::PlaceColor);
    //: Accessible name, read by screen readers: the board where the player places guesses.
    FLeftBoard->setAccessibleName(tr("Guess board"));
    FLeftReading = std::make_unique<TGuessBoardReading>(FSession);
    FLeftBoard->SetReading(FLeftReading.get());

    FRightBoard = new TBoardGrid(FClient);
    FRightBoard->setObjectName(QStringLiteral("RightBoard"));
    FRightBoard->SetCellColor(ToQColor(EmptyKeyHole));
    FRightBoard->move(0, RightBoardTop);
    TContextHelp::SetContext(FRightBoard, HelpContexts::ScoreBoard);
    FRightSurface = std::make_unique<TGridSurface>(*FRightBoard);
    //: Accessible name, read by screen readers: the board of key pegs that answer each row.
    FRightBoard->setAccessibleName(tr("Score board"));
    FRightReading = std::make_unique<TScoreBoardReading>(FSession);
    FRightBoard->SetReading(FRightReading.get());
    FRightBoard->SetDrawCell([this](QPainter& painter, int col, int row, const QRect&) {
        if (!FSession)
            return;
        TPainterCanvas canvas(painter);
        FSession->RightGrid().DrawCell(col, row, canvas);
    });

    FStatusBar = new TStatusPanels({StatusPanelWidth, StatusPanelWidth}, FClient);
    FStatusBar->setObjectName(QStringLiteral("StatusBar"));
    //: Accessible name, read by screen readers.
    FStatusBar->setAccessibleName(tr("Status bar"));
    //: The status bar's first panel before the first game: the number of the current row follows later.
    //: The panel is 50 pixels wide.
    FStatusBar->SetPanelText(0, tr("Row:"));

    // The score board, the colour bar and the clock panel share one menu.
    for (QWidget* control :
         {static_cast<QWidget*>(FRightBoard), static_cast<QWidget*>(colorsBar), static_cast<QWidget*>(panel2)})
        FContextHelp->AttachPopupMenu(control);
}

QToolButton* TMainForm::AddToolButton(QWidget* panel, const char* name, const QString& hint, const char* glyph,
                                      const char* disabledGlyph, int left, void (TMainForm::*handler)())
{
    auto* button = new QToolButton(panel);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, 3, 25, 25);
    // The glyphs' own size: a larger one would ask a high-resolution screen
    // for more pixels than their drawing at twice the size has.
    QIcon icon;
    icon.addFile(QString::fromLatin1(glyph), {}, QIcon::Normal);
    if (disabledGlyph)
        icon.addFile(QString::fromLatin1(disabledGlyph), {}, QIcon::Disabled);
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(ShortHint(hint));
    button->setAccessibleName(ShortHint(hint));
    button->setProperty("hint", hint);
    button->installEventFilter(this);
    connect(button, &QToolButton::clicked, this, handler);
    return button;
}

QAction* TMainForm::AddMenuItem(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                                int helpContext, void (TMainForm::*handler)())
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    item->setStatusTip(LongHint(hint));
    TContextHelp::SetContext(item, helpContext);
    connect(item, &QAction::triggered, this, handler);
    return item;
}

void TMainForm::CreateMenus()
{
    using namespace HelpContexts;
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    // Each menu item's text, then its hint in the status bar.
    //: Menu of the menu bar.
    QMenu* game = bar->addMenu(tr("&Game"));
    //: Game menu: starts a new game (F2).
    AddMenuItem(game, "mmenuNewGame", tr("&New"), tr("Start a new game with current settings"), NewGame,
                &TMainForm::mmenuNewGameClick)
        ->setShortcut(QKeySequence(Qt::Key_F2));
    //: Game menu: ends the game as lost and shows the secret.
    AddMenuItem(game, "mmenuGiveUp", tr("&Give Up!"), tr("Abort the game and show the correct solution"), GiveUp,
                &TMainForm::mmenuGiveUpClick);
    game->addSeparator()->setObjectName(QStringLiteral("N2"));
    //: Game menu: opens the Properties dialog of the options.
    AddMenuItem(game, "mmenuProperties", tr("P&roperties..."), tr("Change various game options"), Properties,
                &TMainForm::mmenuPropertiesClick);
    game->addSeparator()->setObjectName(QStringLiteral("N4"));
    AddMenuItem(game, "ExitMenu", tr("E&xit"), tr("Exit Peglore"), Exit, &TMainForm::ExitMenuClick);

    //: Menu of the menu bar: the board sizes.
    QMenu* level = bar->addMenu(tr("&Level"));
    auto* levelGroup = new QActionGroup(this);
    levelGroup->setExclusive(true);
    //: Level name: 3 holes, 10 rows.
    FLevelItems[Beginner] = AddMenuItem(level, "BeginnerMenu", tr("&Beginner"), tr("The easiest level"),
                                        BeginnerLevel, &TMainForm::BeginnerMenuClick);
    //: Level name: 5 holes, 9 rows.
    FLevelItems[Intermediate] = AddMenuItem(level, "IntermediateMenu", tr("&Intermediate"),
                                            tr("Medium difficulty level"), IntermediateLevel,
                                            &TMainForm::IntermediateMenuClick);
    //: Level name: 8 holes, 12 rows.
    FLevelItems[Expert] = AddMenuItem(level, "mmenuExpert", tr("&Expert!"), tr("Hardest difficulty level"),
                                      ExpertLevel, &TMainForm::mmenuExpertClick);
    //: Level name: a board of the player's own size, chosen in a dialog.
    FLevelItems[Custom] = AddMenuItem(level, "CustomMenu", tr("&Custom..."), tr("Chose any board size you want!"),
                                      CustomLevel, &TMainForm::CustomMenuClick);
    for (QAction* item : FLevelItems) {
        item->setCheckable(true);
        levelGroup->addAction(item);
    }
    FLevelItems[Beginner]->setChecked(true);

    //: Menu of the menu bar: hint, analysis, records and peg symbols.
    QMenu* tools = bar->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("ToolsMenu"));
    FTools->AddTo(*tools);
    ConnectTools();

    //: Menu of the menu bar.
    QMenu* help = bar->addMenu(tr("&Help"));
    AddMenuItem(help, "HelpTopicsMenu", tr("Help &Topics"), tr("Show help contents"), HelpTopics,
                &TMainForm::HelpTopicsMenuClick);
    //: Help menu: opens the help topic of what changed in this version.
    AddMenuItem(help, "WhatsNewMenu", tr("What's &New?"), tr("Improvements and bug fixes since last version"),
                WhatsNewCommand, &TMainForm::WhatsNewMenuClick);
    help->addSeparator()->setObjectName(QStringLiteral("N1"));
    //: Help menu: opens the About dialog with the version and the statistics.
    AddMenuItem(help, "mmenuAbout", tr("&About..."), tr("Show credits and statistics information"), About,
                &TMainForm::mmenuAboutClick);
    for (QMenu* menu : {game, level, tools, help, FGuessBoardInput->PopupMenu()})
        FContextHelp->WatchMenu(menu);
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!FShown) {
        FShown = true;
        FormShow();
    }
}

void TMainForm::FormShow()
{
    const TSessionPorts ports{*FLeftSurface, *FRightSurface, *FPorts,     *FPorts,     *FPorts,    *FPorts,
                              *FPorts,       FPlayer,        *FDigits[0], *FDigits[1], *FDigits[2]};
    FSession = std::make_unique<TGameSession>(FBoardSize, ports, FFiles);
    FPorts->SetSession(FSession.get());
    FGuessBoardInput->SetSession(FSession.get());

    FSession->Randomize(static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    if (FFirstGameNumber)
        FSession->Logic().SetNextGameNumber(*FFirstGameNumber);
    FTooltips->SetHintPause(HintPause);
    FRecords = std::make_unique<TRecordsKeeper>(
        *FSession, FHelp, *this, QString::fromStdString(RecordsFolderOfThisRun(FFiles) + "Peglore.records"));
    FSession->Logic().AddObserver(*FRecords);
    FSession->LoadSettings();
    FTools->PegSymbols()->setChecked(FSession->Configuration().PegSymbols());
    FTools->KeepGame()->setChecked(FSession->Configuration().KeepGame());
    FTools->HardMode()->setChecked(FSession->Configuration().HardMode());
    FAnalyst =
        new TAnalyst(*FSession, FHelp, *this, QString::fromStdString(FFiles.SettingsFolder + "PegloreAnalysis.ini"));
    FGuessBoardInput->SetAnalyst(FAnalyst);
    connect(FAnalyst, &TAnalyst::HintPendingChanged, FTools->Hint(),
            [this](bool pending) { FTools->Hint()->setEnabled(!pending); });
    FRecords->SetHintsUsed([this] { return FAnalyst ? FAnalyst->HintsUsed() : 0; });
    if (FSession->Configuration().KeepGame())
        GameKeeper::Resume(*FSession, *FAnalyst, FFiles.SettingsFolder + KeptGameFileName, FFirstGameNumber);
}

void TMainForm::CloseOnRequest()
{
    FClosingOnRequest = true;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible() && dialog->isModal())
            dialog->reject();
    // Every modal loop still running returns now, a box as if closed from
    // its title bar, and none starts any more: the close comes once the
    // commands that opened them have finished.
    QCoreApplication::exit(0);
}

void TMainForm::TellAtClose(const QString& problem, bool error)
{
    if (FClosingOnRequest)
        std::fprintf(stderr, "peglore: %s%s\n", qPrintable(problem), error ? "." : "");
    else if (error)
        TMessages::ShowError(problem);
    else
        TMessages::ShowNote(problem);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TMainForm::FormClose()
{
    if (FClosed || !FShown)
        return;
    FClosed = true;
    // A game kept for the next start is not left; one that cannot be kept
    // is, as without the option.
    QString notKept;
    if (!FSession->Configuration().KeepGame() ||
        !GameKeeper::Keep(*FSession, *FAnalyst, FFiles.SettingsFolder + KeptGameFileName, notKept))
        FSession->Logic().AbandonGame();
    if (!notKept.isEmpty())
        TellAtClose(notKept, true);
    // A music open still under way decides whether the option is saved on.
    FSession->Music().WaitForOpen();
    try {
        FSession->SaveSettings();
    } catch (const TSettingsWriteError& error) {
        //: The settings file could not be saved at the exit; %1 is its path. A full stop follows.
        TellAtClose(tr("Unable to write to %1").arg(QString::fromStdString(error.Path())), true);
    } catch (const std::exception& error) {
        // Reported once; the window still closes as the player asked.
        TellAtClose(QString::fromStdString(error.what()), true);
    }
    // The games the records file could not take are told once, here.
    const TRecordsKeeper::TClosingNote records = FRecords->Close();
    if (!records.Text.isEmpty())
        TellAtClose(records.Text, records.Error);
    FHelp.HelpCommand(IHelpCommands::Quit, 0);
    FPorts->SetSession(nullptr);
    FGuessBoardInput->SetSession(nullptr);
    FGuessBoardInput->SetAnalyst(nullptr);
    delete FAnalyst;
    FAnalyst = nullptr;
    FSession->Logic().RemoveObserver(*FRecords);
    FRecords.reset();
    FSession.reset();
}

// ---- Commands

void TMainForm::ConnectTools()
{
    connect(FTools->Hint(), &QAction::triggered, this, [this] {
        if (FAnalyst)
            FAnalyst->Hint();
    });
    connect(FTools->Analysis(), &QAction::triggered, this, [this] {
        if (FAnalyst)
            FAnalyst->ToggleWindow();
    });
    connect(FTools->Records(), &QAction::triggered, this, &TMainForm::ShowRecords);
    FCodeBreaker = new TCodeBreakerRun(FHelp, *this);
    connect(FCodeBreaker, &TCodeBreakerRun::Ended, this, [this](const TCodeBreakEnd& end) {
        if (FRecords)
            FRecords->CodeBroken(end, FCodeBreaker->Rules());
    });
    connect(FTools->BreakMyCode(), &QAction::triggered, this, [this] {
        if (FSession)
            FCodeBreaker->Open(FSession->Logic().BoardColumns(), FSession->Logic().BoardRows(),
                               FAnalyst ? FAnalyst->Rules() : TRules{});
    });
    connect(FTools->DailyGame(), &QAction::triggered, this, [this] {
        if (FRecords)
            FRecords->Daily().Start();
    });
    connect(FTools->CopyDailyResult(), &QAction::triggered, this, [this] {
        if (FRecords)
            FRecords->Daily().CopyResult();
    });
    connect(FTools->PegSymbols(), &QAction::triggered, this, &TMainForm::SetPegSymbols);
    connect(FTools->KeepGame(), &QAction::triggered, this, [this](bool keep) {
        if (FSession)
            FSession->Configuration().SetKeepGame(keep);
    });
    connect(FTools->Variant(), &QAction::triggered, this, [this] {
        if (FVariantDialog)
            FVariantDialog->exec();
    });
    connect(FTools->HardMode(), &QAction::triggered, this, [this](bool on) {
        if (FSession)
            FSession->Configuration().SetHardMode(on);
    });
}

void TMainForm::mmenuNewGameClick()
{
    FSession->Logic().NewGame(true, true);
}

void TMainForm::mmenuGiveUpClick()
{
    FSession->Logic().GiveUp();
}

void TMainForm::mmenuPropertiesClick()
{
    // The dialog shows the music option as a music open under way leaves it.
    if (FSession)
        FSession->Music().WaitForOpen();
    if (FPropertiesDialog)
        TMessages::ShowProperties(*FPropertiesDialog);
}

void TMainForm::ExitMenuClick()
{
    close();
}

void TMainForm::BeginnerMenuClick()
{
    FSession->LevelSettings().SetLevel(Beginner);
}

void TMainForm::IntermediateMenuClick()
{
    FSession->LevelSettings().SetLevel(Intermediate);
}

void TMainForm::mmenuExpertClick()
{
    FSession->LevelSettings().SetLevel(Expert);
}

void TMainForm::CustomMenuClick()
{
    // Only the dialog's OK moves the check mark, through SetLevel.
    FPorts->CheckLevelItem(FSession->LevelSettings().DifficultyLevel());
    if (FCustomBoardDialog)
        FCustomBoardDialog->exec();
}

void TMainForm::HelpTopicsMenuClick()
{
    FHelp.HelpCommand(IHelpCommands::Contents, 0);
}

void TMainForm::WhatsNewMenuClick()
{
    FHelp.HelpCommand(IHelpCommands::ShowTopic, HelpContexts::WhatsNew);
}

void TMainForm::mmenuAboutClick()
{
    if (FAboutDialog)
        TMessages::ShowAbout(*FAboutDialog);
}

void TMainForm::sbtnCheckClick()
{
    FSession->Logic().CheckCurrentRow();
}

void TMainForm::SecondsTimerTimer()
{
    if (FSession && FActiveForms->ActiveForm() == this)
        FSession->Clock().SetSeconds(FSession->Clock().Seconds() + 1);
}

void TMainForm::MediaPlayerNotify(bool successful)
{
    if (FSession)
        FSession->Music().MediaPlayerNotify(successful);
}

void TMainForm::SetPegSymbols(bool shown)
{
    FTools->PegSymbols()->setChecked(shown);
    if (FSession)
        FSession->Configuration().SetPegSymbols(shown);
    if (FAnalyst)
        FAnalyst->SetPegSymbols(shown);
}

void TMainForm::ShowRecords()
{
    if (FRecords)
        FRecords->ShowWindow();
}

// ---- Hints

bool TMainForm::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        SetStatusHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::SetStatusHint(const QString& hint)
{
    // Between hints the panel shows the variant in play, if any.
    FStatusBar->SetPanelText(1, hint.isEmpty() ? FPorts->IdleStatusText() : hint);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    // The tool buttons' hints, as the pointer enters them.
    if (event->type() == QEvent::Enter && watched->property("hint").isValid())
        SetStatusHint(LongHint(watched->property("hint").toString()));
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace peglore
