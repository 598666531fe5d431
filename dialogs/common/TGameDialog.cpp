#include "dialogs/common/TGameDialog.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>

#include "components/accessible/WidgetsAccessibility.h"
#include "components/contexthelp/HelpContexts.h"
#include "components/contexthelp/TContextHelp.h"
#include "components/widgets/TMarbleBackground.h"
#include "components/widgets/TWindowPlacement.h"
#include "dialogs/common/DialogFonts.h"
#include "dialogs/common/DialogPlacement.h"

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
    : QDialog(parent, FrameFlags(titleHelp))
{
    InstallWidgetsAccessibility();
    setFixedSize(clientSize);
    setFont(DialogFont(11));
    auto* background = new TMarbleBackground(this);
    background->setGeometry(QRect(QPoint(0, 0), clientSize));
    background->lower();
    FContextHelp = new TContextHelp(help, *this, {f1Command, titleHelp == TTitleHelp::ContextHelpButton});
    FPlacement = new TWindowPlacement(*this, [this] { PlaceFirst(); });
}

void TGameDialog::done(int result)
{
    // A dialog that was never shown has controls that FormShow never
    // loaded; there is nothing of the player's to apply.
    if (isVisible())
        FormClose(result);
    QDialog::done(result);
}

void TGameDialog::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
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
        FPlacement->Restore(FLastPlace);
        return;
    }
    PlaceFirst();
    FPlaced = true;
}

void TGameDialog::PlaceFirst()
{
    // Before the window manager has framed the dialog its frame is
    // unknown; the main window's frame is the best guess of it, and the
    // watch centres the dialog again by its own frame once that is known.
    const QWidget* top = parentWidget() ? parentWidget()->window() : nullptr;
    const QMargins guess =
        top && top->isVisible() ? TWindowPlacement::StatedFrame(*top).value_or(QMargins()) : QMargins();
    FPlacement->Centre(DialogCentring, guess);
}

QPushButton* TGameDialog::AddCloseButton(const QRect& geometry)
{
    //: The button that closes a dialog which only informs (About, Correct Combination, Daily Result).
    //: The button is 84 pixels wide.
    auto* button = new QPushButton(tr("OK"), this);
    button->setObjectName(QStringLiteral("OkButton"));
    button->setGeometry(geometry);
    button->setFont(DialogFont(11));
    SetFontColor(button, Qt::black);
    button->setDefault(true);
    TContextHelp::SetContext(button, HelpContexts::OkButton);
    SetEscapeButton(button);
    connect(button, &QPushButton::clicked, this, &QDialog::accept);
    return button;
}

}  // namespace peglore
