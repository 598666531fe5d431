#pragma once

// Shared by the dialog tests: a recording help viewer, a recording set of
// option effects, a way to run a dialog modally from a test, and pictures
// of widgets.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QTest>
#include <QWhatsThis>
#include <QStringList>
#include <QTimer>
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
    void HelpCommand(int Command, int Data) override { Calls << QStringLiteral("%1:%2").arg(Command).arg(Data); }
};

// Every effect of an option change, in order.
class TRecordingEffects final : public IOptionEffects {
public:
    QStringList Calls;
    void PlayMusic() override { Calls << "play"; }
    void StopMusic() override { Calls << "stop"; }
    void SetTooltipsEnabled(bool Enabled) override { Calls << (Enabled ? "tooltips on" : "tooltips off"); }
    void SetCheckButtonEnabled(bool Enabled) override { Calls << (Enabled ? "check on" : "check off"); }
};

// Runs Dialog modally; WhileOpen runs inside its event loop and should
// close it. Returns the dialog's result, or nothing when WhileOpen left it
// open (the dialog is then rejected so the test goes on).
inline std::optional<int> RunModal(QDialog& Dialog, const std::function<void()>& WhileOpen)
{
    bool leftOpen = false;
    QTimer::singleShot(0, &Dialog, [&] {
        WhileOpen();
        if (Dialog.isVisible()) {
            leftOpen = true;
            Dialog.reject();
        }
    });
    const int result = Dialog.exec();
    if (leftOpen)
        return std::nullopt;
    return result;
}

// Closes an open Dialog as a player does, by How: "ok" and "cancel" click
// those buttons, "enter" and "escape" press the key in the dialog, "enter
// on ..." and "escape on ..." press it with Control focused, and anything
// else is the close box.
inline void CloseAs(const QString& How, QDialog& Dialog, QWidget* Ok, QWidget* Cancel = nullptr,
                    QWidget* Control = nullptr)
{
    if (How == QLatin1String("ok"))
        QTest::mouseClick(Ok, Qt::LeftButton);
    else if (How == QLatin1String("cancel"))
        QTest::mouseClick(Cancel, Qt::LeftButton);
    else if (How == QLatin1String("enter"))
        QTest::keyClick(&Dialog, Qt::Key_Return);
    else if (How == QLatin1String("escape"))
        QTest::keyClick(&Dialog, Qt::Key_Escape);
    else if (How.startsWith(QLatin1String("enter on")))
        QTest::keyClick(Control, Qt::Key_Return);
    else if (How.startsWith(QLatin1String("escape on")))
        QTest::keyClick(Control, Qt::Key_Escape);
    else
        Dialog.close();
}

// What a widget and its children paint over magenta; the window
// background of a top-level widget is left out.
inline QImage Render(QWidget& Widget)
{
    QImage image(Widget.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    Widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Saves a picture of a whole dialog for a person to look at.
inline QString SaveShot(QWidget& Widget, const QString& Name)
{
    const QString path = QDir::temp().filePath(QStringLiteral("peglore-%1.png").arg(Name));
    Widget.grab().save(path);
    return path;
}

// Answers the context menu, once it is open, with its "W" access key for
// "&What's This?". The answer goes with the timer when no menu opened.
inline void ChooseWhatsThis(QTimer& Timer)
{
    Timer.setSingleShot(true);
    QObject::connect(&Timer, &QTimer::timeout, [] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            QTest::keyClick(menu, Qt::Key_W);
    });
    Timer.start(0);
}

// Right-clicks Control as the player does and picks "&What's This?" if a
// menu opens.
inline void WhatsThisFromMenu(QWidget* Control)
{
    QTimer answer;
    ChooseWhatsThis(answer);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), Control->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(Control, &event);
}

// Shift+F1, then a click on Control at Point, as in What's This mode.
inline void WhatsThisByClick(QWidget& Dialog, QWidget* Control, QPoint Point = QPoint(3, 3))
{
    QTest::keyClick(&Dialog, Qt::Key_F1, Qt::ShiftModifier);
    QTest::mouseClick(Control, Qt::LeftButton, {}, Point);
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
