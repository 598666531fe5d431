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

THelpTopicWindow::THelpTopicWindow(std::shared_ptr<const THelpFile> file, const QString& caption,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window)
    , File_(std::move(file))
    , Browser_(new QTextBrowser(this))
    , Back_(new QPushButton(tr("&Back"), this))
    , Forward_(new QPushButton(tr("&Forward"), this))
{
    setProperty("pegloreHelpWindow", true);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(caption);
    resize(520, 440);

    auto* contents = new QPushButton(tr("&Contents"), this);
    auto* index = new QPushButton(tr("&Index"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(index);
    buttons->addWidget(Back_);
    buttons->addWidget(Forward_);
    buttons->addStretch();

    // Links are followed here, only to topics; nothing is ever fetched.
    Browser_->setOpenLinks(false);
    Browser_->setOpenExternalLinks(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Browser_);

    connect(contents, &QPushButton::clicked, this, &THelpTopicWindow::ContentsRequested);
    connect(index, &QPushButton::clicked, this, &THelpTopicWindow::IndexRequested);
    connect(Back_, &QPushButton::clicked, this, &THelpTopicWindow::GoBack);
    connect(Forward_, &QPushButton::clicked, this, &THelpTopicWindow::GoForward);
    connect(Browser_, &QTextBrowser::anchorClicked, this, &THelpTopicWindow::FollowLink);
    UpdateButtons();
}

void THelpTopicWindow::ShowContext(int context)
{
    if (!History_.empty() && History_[Position_] == context) {
        Display(context);
        return;
    }
    if (!History_.empty())
        History_.resize(Position_ + 1);
    History_.push_back(context);
    if (History_.size() > MaxHistory)
        History_.erase(History_.begin());
    Position_ = History_.size() - 1;
    Display(context);
}

QString THelpTopicWindow::PlainText() const
{
    return Browser_->toPlainText();
}

void THelpTopicWindow::Display(int context)
{
    const THelpTopic* topic = File_->Find(context);
    const std::string html =
        topic != nullptr
            ? THelpMarkup::TopicHtml(*topic, *File_, THelpMarkup::TTarget::Window)
            : THelpMarkup::MessageHtml("Topic not found",
                                       "No help topic is associated with this item.");
    Browser_->setHtml(QString::fromStdString(html));
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
    if (Position_ > 0) {
        --Position_;
        Display(History_[Position_]);
    }
}

void THelpTopicWindow::GoForward()
{
    if (Position_ + 1 < History_.size()) {
        ++Position_;
        Display(History_[Position_]);
    }
}

void THelpTopicWindow::UpdateButtons()
{
    Back_->setEnabled(Position_ > 0);
    Forward_->setEnabled(Position_ + 1 < History_.size());
}

}  // namespace peglore
