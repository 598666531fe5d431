#pragma once

#include "platform/help/IHelpCommands.h"
#include "platform/help/THelpContentsWindow.h"
#include "platform/help/THelpFile.h"
#include "platform/help/THelpPopup.h"
#include "platform/help/THelpTopicWindow.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QPoint;

namespace peglore {

// The program's help viewer: the help commands on one help file, shown in
// windows of this process. The file is read on the first command that needs
// it, and read again after a failure; a file that cannot be used is reported
// in the viewer's own message window. Every window it opens carries the
// property "pegloreHelpWindow" = true and never keeps the program running.
class THelpViewer : public QObject, public IHelpCommands {
    Q_OBJECT

public:
    // HELPFILE: a name without a folder ("Peglore.hlp") or a relative path is
    // found beside the executable; an absolute path is taken as it is.
    explicit THelpViewer(const QString& helpFile, QObject* parent = nullptr);
    ~THelpViewer() override;

    // ShowTopic, Quit, ContextPopup and Contents of IHelpCommands, carried out
    // by the functions below; other commands are ignored.
    void HelpCommand(int command, int data) override;

    // The topic window with the topic of CONTEXT (a "not found" page for an
    // unknown one), raised.
    void DisplayTopic(int context);
    // A pop-up with the topic of CONTEXT near GLOBALPOS; for 0 or an unknown
    // context it says that no help topic is associated with the item.
    void DisplayPopup(int context, const QPoint& globalPos);
    // DisplayPopup at the mouse pointer.
    void DisplayPopup(int context);
    // The contents and index window, on its contents page.
    void DisplayContents();
    // Closes every window of the viewer.
    void CloseAll();

    QString FilePath() const { return FPath; }

    // The windows now open, or nullptr; for tests.
    THelpTopicWindow* TopicWindow() const { return FTopic; }
    THelpContentsWindow* ContentsWindow() const { return FContents; }
    THelpPopup* Popup() const { return FPopup; }
    QMessageBox* MessageWindow() const { return FMessage; }

private:
    bool EnsureLoaded();
    // Why FILE cannot be used, in the player's language.
    static QString ProblemText(const THelpFile& file);
    void ShowMessage(const QString& text);
    THelpTopicWindow* TopicWindowCreated();
    THelpContentsWindow* ContentsWindowCreated();
    void DisplayIndex();

    QString FPath;
    QString FCaption;
    std::shared_ptr<const THelpFile> FIle;
    QPointer<THelpTopicWindow> FTopic;
    QPointer<THelpContentsWindow> FContents;
    QPointer<THelpPopup> FPopup;
    QPointer<QMessageBox> FMessage;
};

}  // namespace peglore
