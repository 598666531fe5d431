#pragma once

#include <QFrame>

class QLabel;

namespace peglore {

// A small frameless pop-up with one topic's text, shown near the mouse
// pointer. Any click, any key or the loss of the focus closes it, and it
// deletes itself when closed.
class THelpPopup : public QFrame {
    Q_OBJECT

public:
    explicit THelpPopup(const QString& html, QWidget* parent = nullptr);

    // Shows the pop-up with its top-left corner just below and right of
    // GLOBALPOS, moved as needed to lie wholly on that screen.
    void ShowNear(const QPoint& globalPos);

    QString PlainText() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    QLabel* FText;
};

}  // namespace peglore
