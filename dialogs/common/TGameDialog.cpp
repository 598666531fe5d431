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
Qt::WindowFlags FrameFlags(TGameDialog::TTitleHelp titleHelp)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    if (titleHelp == TGameDialog::TTitleHelp::ContextHelpButton)
        flags |= Qt::WindowContextHelpButtonHint;
    return flags;
}
}  // namespace

TGameDialog::TGameDialog(IHelpCommands& help, const QSize& clientSize, TTitleHelp titleHelp, int f1Command,
                         QWidget* parent)
    : QDialog(parent, FrameFlags(titleHelp)), FHelp(help), FTitleHelp(titleHelp), FF1Command(f1Command),
      FPopupMenu2(nullptr)
{
    setFixedSize(clientSize);
    setFont(DialogFont(11));
    FBackground = new TDialogBackground(this);
    FBackground->setGeometry(QRect(QPoint(0, 0), clientSize));
    FBackground->lower();
}

void TGameDialog::SetHelpContext(QObject* control, int context)
{
    control->setProperty(HelpContextProperty, context);
}

int TGameDialog::HelpContextOf(const QObject* control)
{
    return control ? control->property(HelpContextProperty).toInt() : 0;
}

int TGameDialog::HelpContextFrom(const QWidget* control) const
{
    for (const QWidget* w = control; w; w = w->parentWidget()) {
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

void TGameDialog::AttachPopupMenu(QWidget* control)
{
    if (!FPopupMenu2) {
        FPopupMenu2 = new QMenu(this);
        FPopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
        QAction* whatsThis = FPopupMenu2->addAction(QStringLiteral("&What's This?"));
        whatsThis->setObjectName(QStringLiteral("pmenuWhatsThis"));
        connect(whatsThis, &QAction::triggered, this, &TGameDialog::pmenuWhatsThisClick);
    }
    FPopupControls.insert(control);
    control->installEventFilter(this);
}

void TGameDialog::done(int result)
{
    // A dialog that was never shown has controls that FormShow never
    // loaded; there is nothing of the player's to apply.
    if (isVisible())
        FormClose(result);
    QDialog::done(result);
}

bool TGameDialog::event(QEvent* event)
{
    if (FTitleHelp == TTitleHelp::ContextHelpButton &&
        (event->type() == QEvent::WhatsThis || event->type() == QEvent::QueryWhatsThis))
        return WhatsThisEvent(event);
    return QDialog::event(event);
}

// A click in What's This mode (or the pointer passing over a control in
// it) reaches the dialog when no control took it: the help viewer's pop-up
// replaces Qt's own bubble, for the first context found outwards.
bool TGameDialog::WhatsThisEvent(QEvent* event)
{
    const auto* help = static_cast<QHelpEvent*>(event);
    QWidget* control = childAt(help->pos());
    const int context = HelpContextFrom(control ? control : this);
    if (context == 0) {
        // Refused: the pointer shows that nothing is there, and a click
        // just ends the mode.
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::WhatsThis) {
        QWhatsThis::leaveWhatsThisMode();
        FHelp.HelpCommand(IHelpCommands::ContextPopup, context);
    }
    event->accept();
    return true;
}

bool TGameDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ContextMenu && FPopupControls.contains(static_cast<QWidget*>(watched))) {
        FPopupComponent = static_cast<QWidget*>(watched);
        FPopupMenu2->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TGameDialog::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_F1 && modifiers == Qt::NoModifier) {
        const QWidget* focus = focusWidget();
        if (const int context = HelpContextFrom(focus ? focus : this))
            FHelp.HelpCommand(FF1Command, context);
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F1 && modifiers == Qt::ShiftModifier && FTitleHelp == TTitleHelp::ContextHelpButton) {
        QWhatsThis::enterWhatsThisMode();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && modifiers == Qt::NoModifier && FEscapeButton) {
        FEscapeButton->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TGameDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A spontaneous show is the window system restoring a minimised
    // window; only the program's own showing counts as opening the dialog.
    if (event->spontaneous())
        return;
    FormShow();
    Place();
}

void TGameDialog::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        FLastPlace = pos();
    QDialog::hideEvent(event);
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

QPushButton* TGameDialog::AddCloseButton(const QRect& geometry)
{
    auto* button = new QPushButton(QStringLiteral("OK"), this);
    button->setObjectName(QStringLiteral("OkButton"));
    button->setGeometry(geometry);
    button->setFont(DialogFont(11));
    SetFontColor(button, Qt::black);
    button->setDefault(true);
    SetHelpContext(button, 1);
    SetEscapeButton(button);
    connect(button, &QPushButton::clicked, this, &QDialog::accept);
    return button;
}

}  // namespace peglore
