#pragma once

#include <QColor>
#include <QWidget>

namespace peglore {

enum class TBevelShape { Box, LeftLine, TopLine, BottomLine };

// A lowered bevel: an etched box, or one etched line (a shadow line with a
// highlight beside it) along an edge. Only the lines are drawn; the rest
// stays transparent, and clicks pass through.
class TBevel : public QWidget {
    Q_OBJECT
public:
    static const QColor ShadowColor;
    static const QColor HighlightColor;

    explicit TBevel(TBevelShape shape, QWidget* parent = nullptr);

    TBevelShape Shape() const { return FShape; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TBevelShape FShape;
};

}  // namespace peglore
