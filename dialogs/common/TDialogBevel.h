#pragma once

#include <QWidget>

namespace peglore {

enum class TDialogBevelShape { Box, LeftLine, TopLine };

// A lowered bevel: an etched box, or a single etched line along the left
// or the top edge. Only the lines are drawn; the rest stays transparent.
class TDialogBevel : public QWidget {
    Q_OBJECT
public:
    static const QColor ShadowColor;
    static const QColor HighlightColor;

    explicit TDialogBevel(TDialogBevelShape shape, QWidget* parent = nullptr);

    TDialogBevelShape Shape() const { return FShape; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TDialogBevelShape FShape;
};

}  // namespace peglore
