#include "platform/help/THelpViewer.h"

#include "platform/help/THelpContentsWindow.h"
#include "platform/help/THelpMarkup.h"
#include "platform/help/THelpPopup.h"
#include "platform/help/THelpTopicWindow.h"
#include "platform/programdir/ProgramDir.h"
#include "translations/Formats.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QWindow>

namespace peglore {

namespace {

void Raise(QWidget* window)
{
    // A modal dialog blocks every other window of the program but its own
    // transient ones; help asked for from the dialog must stay usable, as a
    // viewer of its own would be.
    window->winId();
    if (QWindow* handle = window->windowHandle()) {
        const QWidget* modal = QApplication::activeModalWidget();
        handle->setTransientParent(modal != nullptr && modal != window ? modal->windowHandle() : nullptr);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void DeleteWindow(QWidget* window)
{
    if (window != nullptr) {
        window->close();
        window->deleteLater();
    }
}

}  // namespace

THelpViewer::THelpViewer(const QString& helpFile, QObject* parent) : QObject(parent)
{
    const QString folder = QString::fromStdString(ProgramDir());
    FPath =
        QDir::isAbsolutePath(helpFile) ? QDir::cleanPath(helpFile) : QDir::cleanPath(QDir(folder).filePath(helpFile));
    // "Peglore Help" for Peglore.hlp and for Peglore.de.hlp alike.
    //: The title of the help's windows; %1 is the help file's name without its extension, "Peglore".
    FCaption = tr("%1 Help").arg(QFileInfo(FPath).baseName());
}

THelpViewer::~THelpViewer()
{
    // The windows are top-level and have no parent to take them along.
    delete FPopup.data();
    delete FTopic.data();
    delete FContents.data();
    delete FMessage.data();
}

void THelpViewer::HelpCommand(int command, int data)
{
    switch (command) {
    case IHelpCommands::ShowTopic: DisplayTopic(data); break;
    case IHelpCommands::Quit: CloseAll(); break;
    case IHelpCommands::ContextPopup: DisplayPopup(data); break;
    case IHelpCommands::Contents: DisplayContents(); break;
    default: break;
    }
}

void THelpViewer::DisplayTopic(int context)
{
    if (!EnsureLoaded())
        return;
    THelpTopicWindow* window = TopicWindowCreated();
    window->ShowContext(context);
    Raise(window);
}

void THelpViewer::DisplayPopup(int context, const QPoint& globalPos)
{
    if (!EnsureLoaded())
        return;
    delete FPopup.data();
    const THelpTopic* topic = context > 0 ? FIle->Find(context) : nullptr;
    std::string html;
    if (topic != nullptr)
        html = THelpMarkup::TopicHtml(*topic, *FIle, THelpMarkup::TTarget::Popup);
    else
        //: A help pop-up for an item without help of its own.
        html = "<html><body><p>" +
               THelpMarkup::Escape(tr("No help topic is associated with this item.").toStdString()) +
               "</p></body></html>";
    FPopup = new THelpPopup(QString::fromStdString(html));
    FPopup->ShowNear(globalPos);
}

void THelpViewer::DisplayPopup(int context)
{
    DisplayPopup(context, QCursor::pos());
}

void THelpViewer::DisplayContents()
{
    if (!EnsureLoaded())
        return;
    THelpContentsWindow* window = ContentsWindowCreated();
    window->ShowPage(THelpContentsWindow::TPage::Contents);
    Raise(window);
}

void THelpViewer::DisplayIndex()
{
    THelpContentsWindow* window = ContentsWindowCreated();
    window->ShowPage(THelpContentsWindow::TPage::Index);
    Raise(window);
}

void THelpViewer::CloseAll()
{
    DeleteWindow(FPopup);
    DeleteWindow(FTopic);
    DeleteWindow(FContents);
    DeleteWindow(FMessage);
    FPopup = nullptr;
    FTopic = nullptr;
    FContents = nullptr;
    FMessage = nullptr;
}

bool THelpViewer::EnsureLoaded()
{
    if (FIle == nullptr || !FIle->IsValid())
        FIle = std::make_shared<const THelpFile>(THelpFile::Load(FPath.toStdString()));
    if (FIle->IsValid())
        return true;
    ShowMessage(ProblemText(*FIle));
    return false;
}

QString THelpViewer::ProblemText(const THelpFile& file)
{
    const QString path = QString::fromStdString(file.Path());
    switch (file.Error()) {
    case THelpFile::TError::None: return {};
    case THelpFile::TError::Missing:
        //: The help viewer's message: %1 is the help file's path.
        return tr("Cannot open the help file \"%1\": there is no such file.").arg(path);
    case THelpFile::TError::Unreadable:
    case THelpFile::TError::NotAFile:
        //: The help viewer's message: %1 is the help file's path, %2 the system's reason, in English.
        return tr("Cannot open the help file \"%1\": %2.").arg(path, QString::fromStdString(file.Reason()));
    case THelpFile::TError::TooLarge:
        //: The help viewer's message: %1 is the help file's path, %2 the largest size of a help file.
        return tr("Cannot open the help file \"%1\": it is larger than %2 KiB, too large for a help file.")
            .arg(path, LocalNumber(static_cast<qint64>(THelpFile::MaxFileSize / 1024)));
    case THelpFile::TError::NotText:
        //: The help viewer's message: %1 is the help file's path. The file holds bytes that are no text.
        return tr("Cannot open the help file \"%1\": it is not a help file.").arg(path);
    case THelpFile::TError::NoTopics:
        //: The help viewer's message: %1 is the help file's path. The file is empty or has no topic.
        return tr("Cannot open the help file \"%1\": it holds no help topics.").arg(path);
    }
    return QString::fromStdString(file.ErrorText());
}

void THelpViewer::ShowMessage(const QString& text)
{
    if (FMessage == nullptr) {
        // Not modal: like a viewer of its own, it must not hold up the game.
        FMessage = new QMessageBox(QMessageBox::Warning, FCaption, QString(), QMessageBox::Ok);
        FMessage->setWindowModality(Qt::NonModal);
        FMessage->setModal(false);
        FMessage->setProperty("pegloreHelpWindow", true);
        FMessage->setAttribute(Qt::WA_QuitOnClose, false);
    }
    FMessage->setText(text);
    Raise(FMessage);
}

THelpTopicWindow* THelpViewer::TopicWindowCreated()
{
    if (FTopic == nullptr) {
        FTopic = new THelpTopicWindow(FIle, FCaption);
        connect(FTopic, &THelpTopicWindow::ContentsRequested, this, &THelpViewer::DisplayContents);
        connect(FTopic, &THelpTopicWindow::IndexRequested, this, &THelpViewer::DisplayIndex);
    }
    return FTopic;
}

THelpContentsWindow* THelpViewer::ContentsWindowCreated()
{
    if (FContents == nullptr) {
        FContents = new THelpContentsWindow(FIle, FCaption);
        connect(FContents, &THelpContentsWindow::TopicChosen, this, &THelpViewer::DisplayTopic);
    }
    return FContents;
}

}  // namespace peglore
