#pragma once

#include <QColor>
#include <QWidget>

namespace peglore {

// A solid rectangle with a one-pixel black outline.
class TRectShape : public QWidget {
    Q_OBJECT
public:
    explicit TRectShape(QWidget* Parent = nullptr);

    QColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(const QColor& Color);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QColor FBrushColor = Qt::white;
};

}  // namespace peglore
