#pragma once

#include <QColor>
#include <QWidget>

namespace peglore {

// A solid rectangle with a one-pixel black outline.
class TRectShape : public QWidget {
    Q_OBJECT
public:
    explicit TRectShape(QWidget* parent = nullptr);

    QColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor FBrushColor = Qt::white;
};

}  // namespace peglore
