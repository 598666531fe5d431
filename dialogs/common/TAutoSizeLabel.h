#pragma once

#include <QLabel>

namespace peglore {

// A transparent one-line label that keeps its left and top edges and takes
// the width and height of its caption, so a longer text grows it to the
// right and never gets cut off.
class TAutoSizeLabel : public QLabel {
    Q_OBJECT
public:
    explicit TAutoSizeLabel(const QString& caption, QWidget* parent = nullptr);

    void SetCaption(const QString& caption);

protected:
    void changeEvent(QEvent* event) override;

private:
    void AdjustBounds();
};

}  // namespace peglore
