#include "dialogs/common/TGameDialog.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QWhatsThis>

#include "dialogs/common/DialogFonts.h"
#include "dialogs/common/DialogPlacement.h"
#include "dialogs/common/TDialogBackground.h"

namespace peglore {

namespace {
Qt::WindowFlags FrameFlags(TGameDialog::TTitleHelp TitleHelp)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    if (TitleHelp == TGameDialog::TTitleHelp::ContextHelpButton)
        flags |= Qt::WindowContextHelpButtonHint;
    return flags;
}
}  // namespace

TGameDialog::TGameDialog(IHelpCommands& Help, const QSize& ClientSize, TTitleHelp TitleHelp, int F1Command,
                         QWidget* Parent)
    : QDialog(Parent, FrameFlags(TitleHelp)), FHelp(Help), FTitleHelp(TitleHelp), FF1Command(F1Command),
      FPopupMenu2(nullptr)
{
    setFixedSize(ClientSize);
    setFont(DialogFont(11));
    FBackground = new TDialogBackground(this);
    FBackground->setGeometry(QRect(QPoint(0, 0), ClientSize));
    FBackground->lower();
}

void TGameDialog::SetHelpContext(QObject* Control, int Context)
{
    Control->setProperty(HelpContextProperty, Context);
}

int TGameDialog::HelpContextOf(const QObject* Control)
{
    return Control ? Control->property(HelpContextProperty).toInt() : 0;
}

int TGameDialog::HelpContextFrom(const QWidget* Control) const
{
    for (const QWidget* w = Control; w; w = w->parentWidget()) {
        if (const int context = HelpContextOf(w))
            return context;
        if (w->isWindow())
            break;
    }
    return 0;
}

void TGameDialog::pmenuWhatsThisClick()
{
    FHelp.HelpCommand(IHelpCommands::ContextPopup, HelpContextOf(FPopupComponent));
}

void TGameDialog::AttachPopupMenu(QWidget* Control)
{
    if (!FPopupMenu2) {
        FPopupMenu2 = new QMenu(this);
        FPopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
        QAction* whatsThis = FPopupMenu2->addAction(QStringLiteral("&What's This?"));
        whatsThis->setObjectName(QStringLiteral("pmenuWhatsThis"));
        connect(whatsThis, &QAction::triggered, this, &TGameDialog::pmenuWhatsThisClick);
    }
    FPopupControls.insert(Control);
    Control->installEventFilter(this);
}

void TGameDialog::done(int Result)
{
    // A dialog that was never shown has controls that FormShow never
    // loaded; there is nothing of the player's to apply.
    if (isVisible())
        FormClose(Result);
    QDialog::done(Result);
}

bool TGameDialog::event(QEvent* Event)
{
    if (FTitleHelp == TTitleHelp::ContextHelpButton &&
        (Event->type() == QEvent::WhatsThis || Event->type() == QEvent::QueryWhatsThis))
        return WhatsThisEvent(Event);
    return QDialog::event(Event);
}

// A click in What's This mode (or the pointer passing over a control in
// it) reaches the dialog when no control took it: the help viewer's pop-up
// replaces Qt's own bubble, for the first context found outwards.
bool TGameDialog::WhatsThisEvent(QEvent* Event)
{
    const auto* help = static_cast<QHelpEvent*>(Event);
    QWidget* control = childAt(help->pos());
    const int context = HelpContextFrom(control ? control : this);
    if (context == 0) {
        // Refused: the pointer shows that nothing is there, and a click
        // just ends the mode.
        Event->ignore();
        return true;
    }
    if (Event->type() == QEvent::WhatsThis) {
        QWhatsThis::leaveWhatsThisMode();
        FHelp.HelpCommand(IHelpCommands::ContextPopup, context);
    }
    Event->accept();
    return true;
}

bool TGameDialog::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Event->type() == QEvent::ContextMenu && FPopupControls.contains(static_cast<QWidget*>(Watched))) {
        FPopupComponent = static_cast<QWidget*>(Watched);
        FPopupMenu2->exec(static_cast<QContextMenuEvent*>(Event)->globalPos());
        return true;
    }
    return QDialog::eventFilter(Watched, Event);
}

void TGameDialog::keyPressEvent(QKeyEvent* Event)
{
    const Qt::KeyboardModifiers modifiers = Event->modifiers() & ~Qt::KeypadModifier;
    if (Event->key() == Qt::Key_F1 && modifiers == Qt::NoModifier) {
        const QWidget* focus = focusWidget();
        if (const int context = HelpContextFrom(focus ? focus : this))
            FHelp.HelpCommand(FF1Command, context);
        Event->accept();
        return;
    }
    if (Event->key() == Qt::Key_F1 && modifiers == Qt::ShiftModifier &&
        FTitleHelp == TTitleHelp::ContextHelpButton) {
        QWhatsThis::enterWhatsThisMode();
        Event->accept();
        return;
    }
    if (Event->key() == Qt::Key_Escape && modifiers == Qt::NoModifier && FEscapeButton) {
        FEscapeButton->click();
        Event->accept();
        return;
    }
    QDialog::keyPressEvent(Event);
}

void TGameDialog::showEvent(QShowEvent* Event)
{
    QDialog::showEvent(Event);
    // A spontaneous show is the window system restoring a minimised
    // window; only the program's own showing counts as opening the dialog.
    if (Event->spontaneous())
        return;
    FormShow();
    Place();
}

void TGameDialog::hideEvent(QHideEvent* Event)
{
    if (!Event->spontaneous())
        FLastPlace = pos();
    QDialog::hideEvent(Event);
}

void TGameDialog::Place()
{
    if (FPlaced) {
        move(FLastPlace);
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect();
    move(FirstDialogPlace(area, OuterSize()));
    FPlaced = true;
}

QSize TGameDialog::OuterSize() const
{
    // Before the first mapping the window manager has not told us the
    // frame yet; the main window's frame is the best guess of its size.
    QSize frame = frameGeometry().size() - geometry().size();
    if (frame.isNull()) {
        const QWidget* top = parentWidget() ? parentWidget()->window() : nullptr;
        if (top && top->isVisible())
            frame = top->frameGeometry().size() - top->geometry().size();
    }
    return size() + frame;
}

QPushButton* TGameDialog::AddCloseButton(const QRect& Geometry)
{
    auto* button = new QPushButton(QStringLiteral("OK"), this);
    button->setObjectName(QStringLiteral("OkButton"));
    button->setGeometry(Geometry);
    button->setFont(DialogFont(11));
    SetFontColor(button, Qt::black);
    button->setDefault(true);
    SetHelpContext(button, 1);
    SetEscapeButton(button);
    connect(button, &QPushButton::clicked, this, &QDialog::accept);
    return button;
}

}  // namespace peglore
