#pragma once

#include "platform/help/THelpFile.h"

#include <QWidget>

#include <memory>
#include <vector>

class QPushButton;
class QTextBrowser;
class QUrl;

namespace peglore {

// The full help window: one topic at a time in a text browser, with links
// between topics, Back and Forward through the topics seen, and buttons that
// open the contents and the index.
class THelpTopicWindow : public QWidget {
    Q_OBJECT

public:
    THelpTopicWindow(std::shared_ptr<const THelpFile> file, const QString& caption, QWidget* parent = nullptr);

    // Shows the topic of CONTEXT, or a page saying there is none, and
    // remembers it for Back.
    void ShowContext(int context);

    int CurrentContext() const { return FHistory.empty() ? 0 : FHistory[FPosition]; }
    QString PlainText() const;
    QTextBrowser* Browser() const { return FBrowser; }

signals:
    void ContentsRequested();
    void IndexRequested();

private:
    void Display(int context);
    void FollowLink(const QUrl& url);
    void GoBack();
    void GoForward();
    void UpdateButtons();

    std::shared_ptr<const THelpFile> FIle;
    QTextBrowser* FBrowser;
    QPushButton* FBack;
    QPushButton* FOrward;
    std::vector<int> FHistory;
    std::size_t FPosition = 0;
};

}  // namespace peglore
