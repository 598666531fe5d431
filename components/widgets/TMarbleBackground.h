#pragma once

#include <QPixmap>
#include <QWidget>

namespace peglore {

// The marble texture stretched over a whole client area, behind every
// other control of the main window and the dialogs. Without the picture it
// is a plain light fill.
class TMarbleBackground : public QWidget {
    Q_OBJECT
public:
    static const QColor FallbackColor;

    explicit TMarbleBackground(QWidget* parent = nullptr);

    bool HasTexture() const { return !FTexture.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap FTexture;
    QPixmap FStretched;
};

}  // namespace peglore
