#include "platform/help/THelpViewer.h"

#include "platform/help/THelpContentsWindow.h"
#include "platform/help/THelpMarkup.h"
#include "platform/help/THelpPopup.h"
#include "platform/help/THelpTopicWindow.h"
#include "platform/programdir/ProgramDir.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QWindow>

namespace peglore {

namespace {

const char NoTopicText[] = "No help topic is associated with this item.";

void Raise(QWidget* window)
{
    // A modal dialog blocks every other window of the program but its own
    // transient ones; help asked for from the dialog must stay usable, as a
    // viewer of its own would be.
    window->winId();
    if (QWindow* handle = window->windowHandle()) {
        const QWidget* modal = QApplication::activeModalWidget();
        handle->setTransientParent(modal != nullptr && modal != window ? modal->windowHandle()
                                                                       : nullptr);
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

THelpViewer::THelpViewer(const QString& helpFile, QObject* parent)
    : QObject(parent)
{
    const QString folder = QString::fromStdString(ProgramDir());
    Path_ = QDir::isAbsolutePath(helpFile) ? QDir::cleanPath(helpFile)
                                           : QDir::cleanPath(QDir(folder).filePath(helpFile));
    Caption_ = tr("%1 Help").arg(QFileInfo(Path_).completeBaseName());
}

THelpViewer::~THelpViewer()
{
    // The windows are top-level and have no parent to take them along.
    delete Popup_.data();
    delete Topic_.data();
    delete Contents_.data();
    delete Message_.data();
}

void THelpViewer::HelpCommand(int Command, int Data)
{
    switch (Command) {
    case IHelpCommands::ShowTopic:
        DisplayTopic(Data);
        break;
    case IHelpCommands::Quit:
        CloseAll();
        break;
    case IHelpCommands::ContextPopup:
        DisplayPopup(Data);
        break;
    case IHelpCommands::Contents:
        DisplayContents();
        break;
    default:
        break;
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
    delete Popup_.data();
    const THelpTopic* topic = context > 0 ? File_->Find(context) : nullptr;
    const std::string html = topic != nullptr
        ? THelpMarkup::TopicHtml(*topic, *File_, THelpMarkup::TTarget::Popup)
        : "<html><body><p>" + THelpMarkup::Escape(NoTopicText) + "</p></body></html>";
    Popup_ = new THelpPopup(QString::fromStdString(html));
    Popup_->ShowNear(globalPos);
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
    DeleteWindow(Popup_);
    DeleteWindow(Topic_);
    DeleteWindow(Contents_);
    DeleteWindow(Message_);
    Popup_ = nullptr;
    Topic_ = nullptr;
    Contents_ = nullptr;
    Message_ = nullptr;
}

bool THelpViewer::EnsureLoaded()
{
    if (File_ == nullptr || !File_->IsValid())
        File_ = std::make_shared<const THelpFile>(THelpFile::Load(Path_.toStdString()));
    if (File_->IsValid())
        return true;
    ShowMessage(QString::fromStdString(File_->ErrorText()));
    return false;
}

void THelpViewer::ShowMessage(const QString& text)
{
    if (Message_ == nullptr) {
        // Not modal: like a viewer of its own, it must not hold up the game.
        Message_ = new QMessageBox(QMessageBox::Warning, Caption_, QString(), QMessageBox::Ok);
        Message_->setWindowModality(Qt::NonModal);
        Message_->setModal(false);
        Message_->setProperty("pegloreHelpWindow", true);
        Message_->setAttribute(Qt::WA_QuitOnClose, false);
    }
    Message_->setText(text);
    Raise(Message_);
}

THelpTopicWindow* THelpViewer::TopicWindowCreated()
{
    if (Topic_ == nullptr) {
        Topic_ = new THelpTopicWindow(File_, Caption_);
        connect(Topic_, &THelpTopicWindow::ContentsRequested, this, &THelpViewer::DisplayContents);
        connect(Topic_, &THelpTopicWindow::IndexRequested, this, &THelpViewer::DisplayIndex);
    }
    return Topic_;
}

THelpContentsWindow* THelpViewer::ContentsWindowCreated()
{
    if (Contents_ == nullptr) {
        Contents_ = new THelpContentsWindow(File_, Caption_);
        connect(Contents_, &THelpContentsWindow::TopicChosen, this, &THelpViewer::DisplayTopic);
    }
    return Contents_;
}

}  // namespace peglore
