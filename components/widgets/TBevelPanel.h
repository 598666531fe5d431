#pragma once

#include <QWidget>

namespace peglore {

enum class TBevelCut { None, Lowered, Raised };

// A panel in the button face colour with an outer and an inner bevel of
// one pixel each, as tool bars and button groups have.
class TBevelPanel : public QWidget {
    Q_OBJECT
public:
    explicit TBevelPanel(QWidget* parent = nullptr);

    void SetBevelOuter(TBevelCut cut);
    void SetBevelInner(TBevelCut cut);
    TBevelCut BevelOuter() const { return FOuter; }
    TBevelCut BevelInner() const { return FInner; }
    void SetColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TBevelCut FOuter = TBevelCut::Raised;
    TBevelCut FInner = TBevelCut::None;
    QColor FColor{0xC0, 0xC0, 0xC0};
};

// Draws a one-pixel frame: Raised puts the highlight above and left.
void DrawBevelFrame(QPainter& painter, const QRect& rect, TBevelCut cut);

}  // namespace peglore
