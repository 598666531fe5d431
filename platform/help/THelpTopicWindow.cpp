#include "platform/help/THelpTopicWindow.h"

#include "platform/help/THelpMarkup.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace peglore {

namespace {

// Enough topics to go back through a long reading, without growing forever.
constexpr std::size_t MaxHistory = 100;

}  // namespace

THelpTopicWindow::THelpTopicWindow(std::shared_ptr<const THelpFile> file, const QString& caption, QWidget* parent)
    : QWidget(parent, Qt::Window), FIle(std::move(file)), FBrowser(new QTextBrowser(this)),
      //: A button of the help's topic window: the topic read before.
      FBack(new QPushButton(tr("&Back"), this)),
      //: A button of the help's topic window: the topic read after, once gone back.
      FOrward(new QPushButton(tr("&Forward"), this))
{
    setProperty("pegloreHelpWindow", true);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(caption);
    resize(520, 440);

    //: A button of the help's topic window: opens the list of topics.
    auto* contents = new QPushButton(tr("&Contents"), this);
    //: A button of the help's topic window: opens the keywords of the topics.
    auto* index = new QPushButton(tr("&Index"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(index);
    buttons->addWidget(FBack);
    buttons->addWidget(FOrward);
    buttons->addStretch();

    // Links are followed here, only to topics; nothing is ever fetched.
    FBrowser->setOpenLinks(false);
    FBrowser->setOpenExternalLinks(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(FBrowser);

    connect(contents, &QPushButton::clicked, this, &THelpTopicWindow::ContentsRequested);
    connect(index, &QPushButton::clicked, this, &THelpTopicWindow::IndexRequested);
    connect(FBack, &QPushButton::clicked, this, &THelpTopicWindow::GoBack);
    connect(FOrward, &QPushButton::clicked, this, &THelpTopicWindow::GoForward);
    connect(FBrowser, &QTextBrowser::anchorClicked, this, &THelpTopicWindow::FollowLink);
    UpdateButtons();
}

void THelpTopicWindow::ShowContext(int context)
{
    if (!FHistory.empty() && FHistory[FPosition] == context) {
        Display(context);
        return;
    }
    if (!FHistory.empty())
        FHistory.resize(FPosition + 1);
    FHistory.push_back(context);
    if (FHistory.size() > MaxHistory)
        FHistory.erase(FHistory.begin());
    FPosition = FHistory.size() - 1;
    Display(context);
}

QString THelpTopicWindow::PlainText() const
{
    return FBrowser->toPlainText();
}

void THelpTopicWindow::Display(int context)
{
    const THelpTopic* topic = FIle->Find(context);
    const std::string html =
        topic != nullptr ? THelpMarkup::TopicHtml(*topic, *FIle, THelpMarkup::TTarget::Window)
                         //: The heading of the help window's page for an item without help of its own.
                         : THelpMarkup::MessageHtml(tr("Topic not found").toStdString(),
                                                    //: The help window's page for an item without help of its own.
                                                    tr("No help topic is associated with this item.").toStdString());
    FBrowser->setHtml(QString::fromStdString(html));
    UpdateButtons();
}

void THelpTopicWindow::FollowLink(const QUrl& url)
{
    if (url.scheme() != QLatin1String("topic"))
        return;
    bool number = false;
    const int context = url.path().toInt(&number);
    if (number && context > 0)
        ShowContext(context);
}

void THelpTopicWindow::GoBack()
{
    if (FPosition > 0) {
        --FPosition;
        Display(FHistory[FPosition]);
    }
}

void THelpTopicWindow::GoForward()
{
    if (FPosition + 1 < FHistory.size()) {
        ++FPosition;
        Display(FHistory[FPosition]);
    }
}

void THelpTopicWindow::UpdateButtons()
{
    FBack->setEnabled(FPosition > 0);
    FOrward->setEnabled(FPosition + 1 < FHistory.size());
}

}  // namespace peglore
