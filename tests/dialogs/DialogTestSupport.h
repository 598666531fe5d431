#pragma once

// Shared by the dialog tests: a recording help viewer, a recording set of
// option effects, a way to run a dialog modally from a test, and pictures
// of widgets.

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWhatsThis>
#include <QWidget>

#include <functional>
#include <optional>

#include "platform/help/IHelpCommands.h"
#include "settings/configuration/IOptionEffects.h"

#ifdef PEGLORE_HAVE_PICTURES
#include "resources/pictures/Pictures.h"
#endif

namespace peglore::testing {

// Every command sent to the help viewer, as "command:data".
class TRecordingHelp final : public IHelpCommands {
public:
    QStringList Calls;
    void HelpCommand(int command, int data) override { Calls << QStringLiteral("%1:%2").arg(command).arg(data); }
};

// Every effect of an option change, in order.
class TRecordingEffects final : public IOptionEffects {
public:
    QStringList Calls;
    void PlayMusic() override { Calls << "play"; }
    void StopMusic() override { Calls << "stop"; }
    void SetTooltipsEnabled(bool enabled) override { Calls << (enabled ? "tooltips on" : "tooltips off"); }
    void SetCheckButtonEnabled(bool enabled) override { Calls << (enabled ? "check on" : "check off"); }
};

// Runs dialog modally; whileOpen runs inside its event loop and should
// close it. Returns the dialog's result, or nothing when whileOpen left it
// open (the dialog is then rejected so the test goes on).
inline std::optional<int> RunModal(QDialog& dialog, const std::function<void()>& whileOpen)
{
    bool leftOpen = false;
    QTimer::singleShot(0, &dialog, [&] {
        whileOpen();
        if (dialog.isVisible()) {
            leftOpen = true;
            dialog.reject();
        }
    });
    const int result = dialog.exec();
    if (leftOpen)
        return std::nullopt;
    return result;
}

// Closes an open dialog as a player does, by how: "ok" and "cancel" click
// those buttons, "enter" and "escape" press the key in the dialog, "enter
// on ..." and "escape on ..." press it with control focused, and anything
// else is the close box.
inline void CloseAs(const QString& how, QDialog& dialog, QWidget* ok, QWidget* cancel = nullptr,
                    QWidget* control = nullptr)
{
    if (how == QLatin1String("ok"))
        QTest::mouseClick(ok, Qt::LeftButton);
    else if (how == QLatin1String("cancel"))
        QTest::mouseClick(cancel, Qt::LeftButton);
    else if (how == QLatin1String("enter"))
        QTest::keyClick(&dialog, Qt::Key_Return);
    else if (how == QLatin1String("escape"))
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else if (how.startsWith(QLatin1String("enter on")))
        QTest::keyClick(control, Qt::Key_Return);
    else if (how.startsWith(QLatin1String("escape on")))
        QTest::keyClick(control, Qt::Key_Escape);
    else
        dialog.close();
}

// What a widget and its children paint over magenta; the window
// background of a top-level widget is left out.
inline QImage Render(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Saves a picture of a whole dialog for a person to look at.
inline QString SaveShot(QWidget& widget, const QString& name)
{
    const QString path = QDir::temp().filePath(QStringLiteral("peglore-%1.png").arg(name));
    widget.grab().save(path);
    return path;
}

// Answers the context menu, once it is open, with its "W" access key for
// "&What's This?". The answer goes with the timer when no menu opened.
inline void ChooseWhatsThis(QTimer& timer)
{
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            QTest::keyClick(menu, Qt::Key_W);
    });
    timer.start(0);
}

// Right-clicks control as the player does and picks "&What's This?" if a
// menu opens.
inline void WhatsThisFromMenu(QWidget* control)
{
    QTimer answer;
    ChooseWhatsThis(answer);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(control, &event);
}

// Shift+F1, then a click on control at point, as in What's This mode.
inline void WhatsThisByClick(QWidget& dialog, QWidget* control, QPoint point = QPoint(3, 3))
{
    QTest::keyClick(&dialog, Qt::Key_F1, Qt::ShiftModifier);
    QTest::mouseClick(control, Qt::LeftButton, {}, point);
    if (QWhatsThis::inWhatsThisMode())
        QWhatsThis::leaveWhatsThisMode();
}

inline void InitTestPictures()
{
#ifdef PEGLORE_HAVE_PICTURES
    InitPictures();
#endif
}

}  // namespace peglore::testing
