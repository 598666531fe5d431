#include "app/TMainForm.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QWhatsThis>

#include <algorithm>
#include <array>
#include <chrono>

#include "app/TActiveFormTracker.h"
#include "app/TColorSwatch.h"
#include "app/TPainterCanvas.h"
#include "app/TTooltipSwitch.h"
#include "components/boardgrid/TBoardGrid.h"
#include "components/digit/Udigit.h"
#include "components/widgets/TBevelPanel.h"
#include "components/widgets/TStatusPanels.h"
#include "game/BoardGeometry.h"
#include "game/TLeftGrid.h"
#include "game/TLevelSettings.h"
#include "game/TLogic.h"
#include "game/TRightGrid.h"
#include "platform/media/IMediaPlayer.h"
#include "services/clock/TMyTimer.h"
#include "services/clock/TimerDigits.h"
#include "services/messages/TMessages.h"
#include "services/music/TMusic.h"
#include "settings/configuration/TConfiguration.h"
#include "settings/statistics/TStatistics.h"

namespace peglore {

namespace {
constexpr int StatusHeight = 19;
constexpr int StatusPanelWidth = 50;
const char* const HelpContextProperty = "helpContext";

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

// The client area: the marble texture stretched behind everything.
class TClientArea : public QWidget {
public:
    explicit TClientArea(QWidget* parent) : QWidget(parent), FTexture(QStringLiteral(":/pictures/marble.png"))
    {
        setObjectName(QStringLiteral("imgBackGround"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (FTexture.isNull())
            painter.fillRect(rect(), QColor(0xC0, 0xC0, 0xC0));
        else
            painter.drawPixmap(rect(), FTexture);
    }

private:
    QPixmap FTexture;
};

TAnswer ToAnswer(TMessages::TAnswer answer)
{
    switch (answer) {
    case TMessages::TAnswer::Ok: return TAnswer::Ok;
    case TMessages::TAnswer::Yes: return TAnswer::Yes;
    case TMessages::TAnswer::No: return TAnswer::No;
    case TMessages::TAnswer::Cancel: return TAnswer::Cancel;
    }
    return TAnswer::Cancel;
}
}  // namespace

TMainForm::TMainForm(IHelpCommands& help, IMediaPlayer& player, TGameFiles files, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      FHelp(help), FPlayer(player), FFiles(std::move(files))
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Peglore"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/peglore.png")));
    QFont designed(QStringLiteral("Liberation Sans"));
    designed.setPixelSize(11);
    setFont(designed);

    FTooltips = new TTooltipSwitch(this);
    FActiveForms = new TActiveFormTracker(this);

    CreateComponents();
    CreateMenus();
    // The game's executable, beside its settings file.
    FVersionResource.SetFileName(FFiles.Executable);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    SetClientSize(DesignedClientWidth, DesignedClientHeight);

    // FormCreate: remember the designed width; the status bar follows hints.
    FInitialClientWidth = DesignedClientWidth;

    FSecondsTimer = new QTimer(this);
    FSecondsTimer->setObjectName(QStringLiteral("SecondsTimer"));
    FSecondsTimer->setInterval(1000);
    connect(FSecondsTimer, &QTimer::timeout, this, &TMainForm::SecondsTimerTimer);
    FSecondsTimer->start();

    auto* whatsThis = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), this);
    connect(whatsThis, &QShortcut::activated, this, [] { QWhatsThis::enterWhatsThisMode(); });

    FPlayer.SetOnNotify([this](TMediaResult result) { MediaPlayerNotify(result == TMediaResult::Successful); });
}

TMainForm::~TMainForm()
{
    FormClose();
    // The player outlives the window: it reports to nobody from now on,
    // and gives up the device as the window goes.
    FPlayer.SetOnNotify({});
    FPlayer.Close();
}

void TMainForm::SetDialogs(QDialog* correctAnswer, QDialog* properties, QDialog* customBoard, QDialog* about)
{
    FCorrectAnswerDialog = correctAnswer;
    FPropertiesDialog = properties;
    FCustomBoardDialog = customBoard;
    FAboutDialog = about;
}

void TMainForm::CreateComponents()
{
    FClient = new TClientArea(this);
    setCentralWidget(FClient);

    FPanel1 = new TBevelPanel(FClient);
    FPanel1->setObjectName(QStringLiteral("Panel1"));
    FPanel1->setGeometry(2, 6, 153, 31);
    FNewButton = AddToolButton("sbtnNew", QStringLiteral("New Game|"), QStringLiteral("new"), true, 4,
                               &TMainForm::mmenuNewGameClick);
    FPropertiesButton = AddToolButton("sbtnProperties", QStringLiteral("Game Properties|"),
                                      QStringLiteral("properties"), false, 34, &TMainForm::mmenuPropertiesClick);
    FCheckButton = AddToolButton("sbtnCheck", QStringLiteral("Check!|"), QStringLiteral("check"), true, 64,
                                 &TMainForm::sbtnCheckClick);
    auto* bevel1 = new TBevel(TBevelShape::LeftLine, FPanel1);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setGeometry(92, 2, 3, 25);

    auto* bevel4 = new TBevel(TBevelShape::LeftLine, FClient);
    bevel4->setObjectName(QStringLiteral("Bevel4"));
    bevel4->setGeometry(162, 2, 2, 40);

    FPanel2 = new TBevelPanel(FClient);
    FPanel2->setObjectName(QStringLiteral("Panel2"));
    FPanel2->setGeometry(172, 2, 54, 39);
    FPanel2->SetBevelInner(TBevelCut::Raised);
    FPanel2->setProperty(HelpContextProperty, 3003);
    const std::array<TDigit*, 3> digits = CreateTimerDigits(*FPanel2);
    std::copy(digits.begin(), digits.end(), FDigits);

    auto* bevel3 = new TBevel(TBevelShape::BottomLine, FClient);
    bevel3->setObjectName(QStringLiteral("Bevel3"));
    bevel3->setGeometry(1, 38, 226, 9);

    FColorsBarPanel = new TBevelPanel(FClient);
    FColorsBarPanel->setObjectName(QStringLiteral("ColorsBarPanel"));
    FColorsBarPanel->setGeometry(1, 49, 222, 30);
    FColorsBarPanel->SetBevelOuter(TBevelCut::None);
    FColorsBarPanel->SetBevelInner(TBevelCut::Raised);
    FColorsBarPanel->setProperty(HelpContextProperty, 3002);
    struct TSwatchDef {
        const char* Name;
        TColor Color;
        int Left;
    };
    const TSwatchDef swatches[] = {
        {"RedShape", 0x0000FF, 3},       {"LimeShape", 0x00FF00, 30},   {"BlackShape", 0x000000, 58},
        {"YellowShape", 0x00FFFF, 85},   {"BlueShape", 0xFF0000, 112},  {"GrayShape", 0x808080, 139},
        {"FuchsiaShape", 0xFF00FF, 167}, {"GreenShape", 0x008000, 194},
    };
    for (const TSwatchDef& s : swatches) {
        auto* swatch = new TColorSwatch(s.Color, FColorsBarPanel);
        swatch->setObjectName(QString::fromLatin1(s.Name));
        swatch->setGeometry(s.Left, 4, 24, 22);
    }

    FHand = new QLabel(FClient);
    FHand->setObjectName(QStringLiteral("Hand"));
    FHand->setPixmap(QPixmap(QStringLiteral(":/pictures/row-marker.png")));
    FHand->setGeometry(RowMarkerLeft, RowMarkerTop, 38, 18);
    FHand->setAttribute(Qt::WA_TransparentForMouseEvents);

    FLeftBoard = new TBoardGrid(FClient);
    FLeftBoard->setObjectName(QStringLiteral("LeftBoard"));
    FLeftBoard->SetCellColor(Qt::white);
    FLeftBoard->move(LeftBoardLeft, LeftBoardTop);
    FLeftBoard->setAcceptDrops(true);
    FLeftBoard->installEventFilter(this);
    FLeftSurface = std::make_unique<TGridSurface>(*FLeftBoard);
    FLeftBoard->SetDrawCell([this](QPainter& painter, int col, int row, const QRect&) {
        if (!FLeftGrid)
            return;
        TPainterCanvas canvas(painter);
        FLeftGrid->DrawCell(col, row, canvas);
    });

    FRightBoard = new TBoardGrid(FClient);
    FRightBoard->setObjectName(QStringLiteral("RightBoard"));
    FRightBoard->SetCellColor(ToQColor(EmptyKeyHole));
    FRightBoard->move(0, RightBoardTop);
    FRightBoard->setProperty(HelpContextProperty, 3001);
    FRightSurface = std::make_unique<TGridSurface>(*FRightBoard);
    FRightBoard->SetDrawCell([this](QPainter& painter, int col, int row, const QRect&) {
        if (!FRightGrid)
            return;
        TPainterCanvas canvas(painter);
        FRightGrid->DrawCell(col, row, canvas);
    });

    FStatusBar = new TStatusPanels({StatusPanelWidth, StatusPanelWidth}, FClient);
    FStatusBar->setObjectName(QStringLiteral("StatusBar"));
    FStatusBar->SetPanelText(0, QStringLiteral("Row:"));

    // The score board, the colour bar and the clock panel share one menu.
    FPopupMenu2 = new QMenu(this);
    FPopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    QAction* whatsThis = FPopupMenu2->addAction(QStringLiteral("&What's This?"));
    whatsThis->setObjectName(QStringLiteral("pmenuWhatsThis"));
    connect(whatsThis, &QAction::triggered, this, &TMainForm::pmenuWhatsThisClick);
    for (QWidget* w :
         {static_cast<QWidget*>(FRightBoard), static_cast<QWidget*>(FColorsBarPanel), static_cast<QWidget*>(FPanel2)})
        w->installEventFilter(this);
    for (TDigit* d : FDigits)
        d->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QToolButton* TMainForm::AddToolButton(const char* name, const QString& hint, const QString& glyph, bool disabledGlyph,
                                      int left, void (TMainForm::*handler)())
{
    auto* button = new QToolButton(FPanel1);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, 3, 25, 25);
    QIcon icon;
    icon.addPixmap(QPixmap(QStringLiteral(":/pictures/%1.png").arg(glyph)), QIcon::Normal);
    if (disabledGlyph)
        icon.addPixmap(QPixmap(QStringLiteral(":/pictures/%1-disabled.png").arg(glyph)), QIcon::Disabled);
    button->setIcon(icon);
    button->setIconSize(QSize(18, 18));
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(ShortHint(hint));
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
    item->setProperty(HelpContextProperty, helpContext);
    connect(item, &QAction::triggered, this, handler);
    return item;
}

void TMainForm::CreateMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    QMenu* game = bar->addMenu(QStringLiteral("&Game"));
    QAction* newGame =
        AddMenuItem(game, "mmenuNewGame", QStringLiteral("&New"),
                    QStringLiteral("Start a new game with current settings"), 201, &TMainForm::mmenuNewGameClick);
    newGame->setShortcut(QKeySequence(Qt::Key_F2));
    AddMenuItem(game, "mmenuGiveUp", QStringLiteral("&Give Up!"),
                QStringLiteral("Abort the game and show the correct solution"), 0, &TMainForm::mmenuGiveUpClick);
    game->addSeparator()->setObjectName(QStringLiteral("N2"));
    AddMenuItem(game, "mmenuProperties", QStringLiteral("P&roperties..."),
                QStringLiteral("Change various game options"), 0, &TMainForm::mmenuPropertiesClick);
    game->addSeparator()->setObjectName(QStringLiteral("N4"));
    AddMenuItem(game, "ExitMenu", QStringLiteral("E&xit"), QStringLiteral("Exit Peglore"), 202,
                &TMainForm::ExitMenuClick);

    QMenu* level = bar->addMenu(QStringLiteral("&Level"));
    FLevelGroup = new QActionGroup(this);
    FLevelGroup->setExclusive(true);
    FLevelItems[Beginner] = AddMenuItem(level, "BeginnerMenu", QStringLiteral("&Beginner"),
                                        QStringLiteral("The easiest level"), 0, &TMainForm::BeginnerMenuClick);
    FLevelItems[Intermediate] =
        AddMenuItem(level, "IntermediateMenu", QStringLiteral("&Intermediate"),
                    QStringLiteral("Medium difficulty level"), 0, &TMainForm::IntermediateMenuClick);
    FLevelItems[Expert] = AddMenuItem(level, "mmenuExpert", QStringLiteral("&Expert!"),
                                      QStringLiteral("Hardest difficulty level"), 0, &TMainForm::mmenuExpertClick);
    FLevelItems[Custom] = AddMenuItem(level, "CustomMenu", QStringLiteral("&Custom..."),
                                      QStringLiteral("Chose any board size you want!"), 0, &TMainForm::CustomMenuClick);
    for (QAction* item : FLevelItems) {
        item->setCheckable(true);
        FLevelGroup->addAction(item);
    }
    FLevelItems[Beginner]->setChecked(true);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    AddMenuItem(help, "HelpTopicsMenu", QStringLiteral("Help &Topics"), QStringLiteral("Show help contents"), 221,
                &TMainForm::HelpTopicsMenuClick);
    AddMenuItem(help, "WhatsNewMenu", QStringLiteral("What's &New?"),
                QStringLiteral("Improvements and bug fixes since last version"), 0, &TMainForm::WhatsNewMenuClick);
    help->addSeparator()->setObjectName(QStringLiteral("N1"));
    AddMenuItem(help, "mmenuAbout", QStringLiteral("&About..."),
                QStringLiteral("Show credits and statistics information"), 0, &TMainForm::mmenuAboutClick);
    for (QMenu* menu : {game, level, help})
        menu->installEventFilter(this);

    FPopupMenu1 = new QMenu(this);
    FPopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    FRepeatItem = FPopupMenu1->addAction(QStringLiteral("&Repeat"));
    FRepeatItem->setObjectName(QStringLiteral("pmenuRepeat"));
    QFont bold = FRepeatItem->font();
    bold.setBold(true);
    FRepeatItem->setFont(bold);
    FPopupMenu1->setDefaultAction(FRepeatItem);
    FClearItem = FPopupMenu1->addAction(QStringLiteral("&Clear"));
    FClearItem->setObjectName(QStringLiteral("pmenuClear"));
    FClearRowItem = FPopupMenu1->addAction(QStringLiteral("Clear &Row"));
    FClearRowItem->setObjectName(QStringLiteral("pmenuClearRow"));
    FPopupMenu1->addSeparator()->setObjectName(QStringLiteral("N5"));
    FGiveUpItem = FPopupMenu1->addAction(QStringLiteral("&Give Up!"));
    FGiveUpItem->setObjectName(QStringLiteral("pmenuGiveUp"));
    connect(FRepeatItem, &QAction::triggered, this, &TMainForm::pmenuRepeatClick);
    connect(FClearItem, &QAction::triggered, this, &TMainForm::pmenuClearClick);
    connect(FClearRowItem, &QAction::triggered, this, &TMainForm::pmenuClearRowClick);
    connect(FGiveUpItem, &QAction::triggered, this, &TMainForm::pmenuGiveUpClick);
    connect(FPopupMenu1, &QMenu::aboutToShow, this, &TMainForm::PopupMenu1Popup);
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
    FLeftGrid = std::make_unique<TLeftGrid>(FBoardSize, *FLeftSurface);
    FRightGrid = std::make_unique<TRightGrid>(FBoardSize, *FRightSurface);
    FLogic = std::make_unique<TLogic>(*FLeftGrid, *FRightGrid, FBoardSize);
    FConfiguration = std::make_unique<TConfiguration>(*this, FFiles.SettingsFolder);
    FLevelSettings = std::make_unique<TLevelSettings>(*FLogic, *this);
    FStatistics = std::make_unique<TStatistics>();
    FMusic = std::make_unique<TMusic>(FPlayer, *FConfiguration, FFiles.DataFolder);
    FMessages = std::make_unique<TMessages>();
    FMyTimer = std::make_unique<TMyTimer>(*FDigits[0], *FDigits[1], *FDigits[2]);
    FLogic->Connect(*this, *this, *this, *FStatistics);

    FLogic->Randomize(static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    FTooltips->SetHintPause(600);
    FConfiguration->LoadSettings(*FStatistics, *FLevelSettings);
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
    try {
        FConfiguration->SaveSettings(*FStatistics, *FLevelSettings);
    } catch (const std::exception& error) {
        // Reported once; the window still closes as the player asked.
        TMessages::ShowError(QString::fromStdString(error.what()));
    }
    FHelp.HelpCommand(IHelpCommands::Quit, 0);
    FLeftGrid.reset();
    FRightGrid.reset();
    FLogic.reset();
    FConfiguration.reset();
    FLevelSettings.reset();
    FStatistics.reset();
    FMusic.reset();
    FMessages.reset();
    FMyTimer.reset();
}

// ---- Commands

void TMainForm::mmenuNewGameClick()
{
    FLogic->NewGame(true, true);
}

void TMainForm::mmenuGiveUpClick()
{
    FLogic->GiveUp();
}

void TMainForm::mmenuPropertiesClick()
{
    if (FPropertiesDialog)
        TMessages::ShowProperties(*FPropertiesDialog);
}

void TMainForm::ExitMenuClick()
{
    close();
}

void TMainForm::BeginnerMenuClick()
{
    FLevelSettings->SetLevel(Beginner);
}

void TMainForm::IntermediateMenuClick()
{
    FLevelSettings->SetLevel(Intermediate);
}

void TMainForm::mmenuExpertClick()
{
    FLevelSettings->SetLevel(Expert);
}

void TMainForm::CustomMenuClick()
{
    // Only the dialog's OK moves the check mark, through SetLevel.
    CheckLevelItem(FLevelSettings->DifficultyLevel());
    if (FCustomBoardDialog)
        FCustomBoardDialog->exec();
}

void TMainForm::HelpTopicsMenuClick()
{
    FHelp.HelpCommand(IHelpCommands::Contents, 0);
}

void TMainForm::WhatsNewMenuClick()
{
    FHelp.HelpCommand(IHelpCommands::ShowTopic, 100);
}

void TMainForm::mmenuAboutClick()
{
    if (FAboutDialog)
        TMessages::ShowAbout(*FAboutDialog);
}

void TMainForm::sbtnCheckClick()
{
    FLogic->CheckCurrentRow();
}

void TMainForm::PopupMenu1Popup()
{
    const int row = FLogic->CurrentRow();
    FRepeatItem->setEnabled(FLeftGrid->CanRepeat(row));
    FClearItem->setEnabled(FLeftGrid->CanClear(row));
    FClearRowItem->setEnabled(FLeftGrid->CanClearRow(row));
    FGiveUpItem->setEnabled(true);
}

void TMainForm::pmenuRepeatClick()
{
    FLogic->RepeatFromAbove(FConfiguration->AutoCheck());
}

void TMainForm::pmenuClearClick()
{
    FLeftGrid->Clear(FLogic->CurrentRow());
}

void TMainForm::pmenuClearRowClick()
{
    FLeftGrid->ClearRow(FLogic->CurrentRow());
}

void TMainForm::pmenuGiveUpClick()
{
    if (TMessages::AskGiveUp() == TMessages::TAnswer::Yes)
        mmenuGiveUpClick();
}

void TMainForm::pmenuWhatsThisClick()
{
    FHelp.HelpCommand(IHelpCommands::ContextPopup, HelpContextOf(FPopupComponent));
}

void TMainForm::SecondsTimerTimer()
{
    if (FMyTimer && FActiveForms->ActiveForm() == this)
        FMyTimer->SetSeconds(FMyTimer->Seconds() + 1);
}

void TMainForm::MediaPlayerNotify(bool successful)
{
    if (FMusic)
        FMusic->MediaPlayerNotify(successful);
}

int TMainForm::HelpContextOf(const QObject* object)
{
    return object ? object->property(HelpContextProperty).toInt() : 0;
}

// ---- Events

bool TMainForm::event(QEvent* event)
{
    // Shift+F1, then a click: the context of the control clicked, or of the
    // nearest control around it that has one.
    if (event->type() == QEvent::QueryWhatsThis) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::WhatsThis) {
        const QPoint pos = mapFromGlobal(static_cast<QHelpEvent*>(event)->globalPos());
        int context = 0;
        for (QWidget* w = childAt(pos); w && w != this && context == 0; w = w->parentWidget())
            context = HelpContextOf(w);
        if (context != 0)
            FHelp.HelpCommand(IHelpCommands::ContextPopup, context);
        return true;
    }
    if (event->type() == QEvent::StatusTip) {
        SetStatusHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::SetStatusHint(const QString& hint)
{
    FStatusBar->SetPanelText(1, hint);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FLeftBoard)
        return LeftBoardEvent(event);

    if (auto* menu = qobject_cast<QMenu*>(watched); menu && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && menu->activeAction()) {
            const int context = HelpContextOf(menu->activeAction());
            if (context != 0)
                FHelp.HelpCommand(IHelpCommands::ContextPopup, context);
            return true;
        }
        return false;
    }

    if (event->type() == QEvent::Enter && watched->property("hint").isValid()) {
        SetStatusHint(LongHint(watched->property("hint").toString()));
        return false;
    }

    if (event->type() == QEvent::ContextMenu &&
        (watched == FRightBoard || watched == FColorsBarPanel || watched == FPanel2)) {
        FPopupComponent = static_cast<QWidget*>(watched);
        FPopupMenu2->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TMainForm::IsOverCurrentRow(const QPoint& pos) const
{
    return FLeftGrid && FLeftGrid->IsOnCurrentRow(pos.x(), pos.y(), FLogic->CurrentRow());
}

bool TMainForm::LeftBoardEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton && FLeftGrid) {
            const QPoint p = mouse->position().toPoint();
            FLeftGrid->SetMousePos(p.x(), p.y());
        }
        return false;
    }
    case QEvent::ContextMenu:
        if (FLeftGrid)
            FPopupMenu1->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    case QEvent::DragEnter: {
        auto* drag = static_cast<QDragEnterEvent*>(event);
        TColor colour;
        if (TColorSwatch::ColorFromMimeData(drag->mimeData(), colour))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        TColor colour;
        if (TColorSwatch::ColorFromMimeData(drag->mimeData(), colour) && IsOverCurrentRow(drag->position().toPoint()))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        TColor colour;
        const QPoint p = drop->position().toPoint();
        if (!TColorSwatch::ColorFromMimeData(drop->mimeData(), colour) || !IsOverCurrentRow(p)) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        FLogic->DropPeg(p.x(), p.y(), colour, FConfiguration->AutoCheck());
        return true;
    }
    default: return false;
    }
}

// ---- IMainWindowPort

void TMainForm::SetRowMarkerTop(int top)
{
    FHand->move(RowMarkerLeft, top);
}

void TMainForm::SetStatusRowText(const std::string& text)
{
    FStatusBar->SetPanelText(0, QString::fromStdString(text));
}

namespace {
void ApplyLayout(TBoardGrid& grid, const TGridLayout& layout)
{
    grid.SetDefaultColWidth(layout.DefaultColWidth);
    grid.SetDefaultRowHeight(layout.DefaultRowHeight);
    grid.SetColCount(layout.ColCount);
    grid.SetFixedCols(layout.FixedCols);
    grid.SetRowCount(layout.RowCount);
    grid.setGeometry(layout.Left, layout.Top, layout.Width, layout.Height);
}
}  // namespace

void TMainForm::SetLeftBoardLayout(const TGridLayout& layout)
{
    ApplyLayout(*FLeftBoard, layout);
}

void TMainForm::SetRightBoardLayout(const TGridLayout& layout)
{
    ApplyLayout(*FRightBoard, layout);
}

int TMainForm::StatusBarHeight() const
{
    return StatusHeight;
}

void TMainForm::SetClientSize(int width, int height)
{
    FClient->setFixedSize(width, height);
    FStatusBar->setGeometry(0, height - StatusHeight, width, StatusHeight);
    // Take the new size at once, so the outer size is right for centring.
    layout()->activate();
    adjustSize();
}

TSize TMainForm::OuterSize() const
{
    // The frame as the window system reports it (none before the window
    // is mapped), around the window's current size.
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    return {width() + frame.width() - inner.width(), height() + frame.height() - inner.height()};
}

TSize TMainForm::ScreenSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {0, 0};
    return {screen->size().width(), screen->size().height()};
}

void TMainForm::MoveTo(int left, int top)
{
    // Under Wayland the compositor places windows and this does nothing.
    move(left, top);
}

// ---- IMessagesPort

void TMainForm::ShowRowNotFull()
{
    TMessages::ShowRowNotFull();
}

void TMainForm::ShowWon()
{
    TMessages::ShowWon();
}

void TMainForm::ShowLost()
{
    TMessages::ShowLost();
}

void TMainForm::ShowCorrectAnswer()
{
    if (FCorrectAnswerDialog)
        TMessages::ShowCorrectAnswer(*FCorrectAnswerDialog);
}

TAnswer TMainForm::AskNewGame()
{
    return ToAnswer(TMessages::AskNewGame());
}

// ---- IClockPort, ILevelMenuPort, IOptionEffects

void TMainForm::ResetClock()
{
    if (FMyTimer)
        FMyTimer->ResetClock();
}

void TMainForm::CheckLevelItem(int level)
{
    if (level >= 0 && level < 4)
        FLevelItems[level]->setChecked(true);
}

void TMainForm::PlayMusic()
{
    if (FMusic)
        FMusic->Play();
}

void TMainForm::StopMusic()
{
    if (FMusic)
        FMusic->Stop();
}

void TMainForm::SetTooltipsEnabled(bool enabled)
{
    FTooltips->SetEnabled(enabled);
}

void TMainForm::SetCheckButtonEnabled(bool enabled)
{
    FCheckButton->setEnabled(enabled);
}

}  // namespace peglore
