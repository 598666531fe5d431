#pragma once

#include "platform/help/THelpFile.h"

#include <QWidget>

#include <memory>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;

namespace peglore {

// The contents and index window: every topic by title in the file's order,
// and an index of the topics' keywords that a typed text filters.
class THelpContentsWindow : public QWidget {
    Q_OBJECT

public:
    enum class TPage { Contents, Index };

    THelpContentsWindow(std::shared_ptr<const THelpFile> file, const QString& caption, QWidget* parent = nullptr);

    void ShowPage(TPage page);
    TPage CurrentPage() const;

    QListWidget* ContentsList() const { return FContents; }
    QListWidget* IndexList() const { return FIndex; }
    QLineEdit* IndexFilter() const { return FIlter; }

signals:
    // The player chose a topic to read.
    void TopicChosen(int context);

private:
    void Filter(const QString& text);
    void Choose(const QListWidgetItem* item);
    void ChooseCurrent();

    QTabWidget* FPages;
    QListWidget* FContents;
    QLineEdit* FIlter;
    QListWidget* FIndex;
};

}  // namespace peglore
