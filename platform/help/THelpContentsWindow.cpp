#include "platform/help/THelpContentsWindow.h"

#include <QCollator>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace peglore {

namespace {

constexpr int ContextRole = Qt::UserRole;
constexpr int KeywordRole = Qt::UserRole + 1;

QListWidgetItem* NewItem(const QString& text, int context)
{
    auto* item = new QListWidgetItem(text);
    item->setData(ContextRole, context);
    return item;
}

}  // namespace

THelpContentsWindow::THelpContentsWindow(std::shared_ptr<const THelpFile> file, const QString& caption, QWidget* parent)
    : QWidget(parent, Qt::Window), FPages(new QTabWidget(this)), FContents(new QListWidget), FIlter(new QLineEdit),
      FIndex(new QListWidget)
{
    setProperty("pegloreHelpWindow", true);
    setAttribute(Qt::WA_QuitOnClose, false);
    //: The title of the help's contents and index window; %1 is the help's title, such as "Peglore Help".
    setWindowTitle(tr("Help Topics: %1").arg(caption));
    resize(380, 440);

    for (const THelpTopic& topic : file->Topics())
        FContents->addItem(NewItem(QString::fromStdString(topic.Title), topic.Context));
    FContents->setCurrentRow(0);

    // A keyword of several topics is listed once per topic, with the title
    // to tell them apart.
    struct TEntry {
        QString Keyword;
        QString Title;
        int Context;
    };
    std::vector<TEntry> entries;
    for (const THelpTopic& topic : file->Topics())
        for (const std::string& keyword : topic.Keywords)
            entries.push_back({QString::fromStdString(keyword), QString::fromStdString(topic.Title), topic.Context});
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const TEntry& a, const TEntry& b) { return collator.compare(a.Keyword, b.Keyword) < 0; });
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const bool shared =
            (i > 0 && entries[i - 1].Keyword.compare(entries[i].Keyword, Qt::CaseInsensitive) == 0) ||
            (i + 1 < entries.size() && entries[i + 1].Keyword.compare(entries[i].Keyword, Qt::CaseInsensitive) == 0);
        //: An entry of the help's index for a keyword of several topics: %1 the keyword, %2 the topic's title.
        const QString text = shared ? tr("%1 (%2)").arg(entries[i].Keyword, entries[i].Title) : entries[i].Keyword;
        QListWidgetItem* item = NewItem(text, entries[i].Context);
        item->setData(KeywordRole, entries[i].Keyword);
        FIndex->addItem(item);
    }
    FIndex->setCurrentRow(0);

    //: The grey text in the empty field of the help's index, where the player types a keyword.
    FIlter->setPlaceholderText(tr("Type a word to look for"));
    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    //: The label above the field of the help's index.
    auto* filterLabel = new QLabel(tr("&Type the word you are looking for:"));
    filterLabel->setBuddy(FIlter);
    indexLayout->addWidget(filterLabel);
    indexLayout->addWidget(FIlter);
    indexLayout->addWidget(FIndex);
    //: A tab of the help's window: the list of topics.
    FPages->addTab(FContents, tr("Contents"));
    //: A tab of the help's window: the keywords of the topics.
    FPages->addTab(indexPage, tr("Index"));

    //: A button of the help's window: shows the topic chosen.
    auto* display = new QPushButton(tr("&Display"), this);
    display->setDefault(true);
    //: A button: closes the help's window.
    auto* close = new QPushButton(tr("Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(display);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FPages);
    layout->addLayout(buttons);

    connect(FIlter, &QLineEdit::textChanged, this, &THelpContentsWindow::Filter);
    connect(FIlter, &QLineEdit::returnPressed, this, &THelpContentsWindow::ChooseCurrent);
    connect(FContents, &QListWidget::itemActivated, this, &THelpContentsWindow::Choose);
    connect(FIndex, &QListWidget::itemActivated, this, &THelpContentsWindow::Choose);
    connect(display, &QPushButton::clicked, this, &THelpContentsWindow::ChooseCurrent);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void THelpContentsWindow::ShowPage(TPage page)
{
    FPages->setCurrentIndex(page == TPage::Contents ? 0 : 1);
    if (page == TPage::Index)
        FIlter->setFocus();
    else
        FContents->setFocus();
}

THelpContentsWindow::TPage THelpContentsWindow::CurrentPage() const
{
    return FPages->currentIndex() == 0 ? TPage::Contents : TPage::Index;
}

void THelpContentsWindow::Filter(const QString& text)
{
    const QString wanted = text.trimmed();
    QListWidgetItem* first = nullptr;
    for (int row = 0; row < FIndex->count(); ++row) {
        QListWidgetItem* item = FIndex->item(row);
        const bool shown = item->data(KeywordRole).toString().contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && first == nullptr)
            first = item;
    }
    FIndex->setCurrentItem(first);
}

void THelpContentsWindow::Choose(const QListWidgetItem* item)
{
    if (item != nullptr && !item->isHidden())
        emit TopicChosen(item->data(ContextRole).toInt());
}

void THelpContentsWindow::ChooseCurrent()
{
    Choose(CurrentPage() == TPage::Contents ? FContents->currentItem() : FIndex->currentItem());
}

}  // namespace peglore
