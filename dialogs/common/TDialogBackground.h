#pragma once

#include <QPixmap>
#include <QWidget>

namespace peglore {

// The shared marble texture stretched over a whole client area, behind
// every other control. Without the picture it is a plain light fill.
class TDialogBackground : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* TexturePath = ":/pictures/marble.png";
    static const QColor FallbackColor;

    explicit TDialogBackground(QWidget* parent = nullptr);

    bool HasTexture() const { return !FTexture.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap FTexture;
};

}  // namespace peglore
