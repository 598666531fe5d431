#include "components/digit/Udigit.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <array>

namespace peglore {

namespace {

constexpr std::array<std::uint8_t, 10> DigitPatterns = {
    125, 80, 55, 87, 90, 79, 111, 81, 127, 95,
};

// A horizontal bar whose top edge is at b.
QPolygon HorizontalBar(int w1, int t, int s, int b)
{
    return QPolygon({QPoint(s + t, b + t), QPoint(2 * t + s, b), QPoint(w1 - 2 * t - s, b), QPoint(w1 - t - s, b + t),
                     QPoint(w1 - 2 * t - s, b + 2 * t), QPoint(2 * t + s, b + 2 * t)});
}

// A vertical bar with left edge e, moved down by b; m is the half height.
QPolygon VerticalBar(int m, int t, int s, int e, int b)
{
    return QPolygon({QPoint(e, b + 2 * t + s), QPoint(e + t, b + t + s), QPoint(e + 2 * t, b + 2 * t + s),
                     QPoint(e + 2 * t, b + m - t - s), QPoint(e + t, b + m - s), QPoint(e, b + m - t - s)});
}

// Colours are values: the same red, green, blue and alpha given as HSV or
// CMYK is the same colour, though QColor's == tells the two apart.
bool SameColor(const QColor& a, const QColor& b)
{
    return a.isValid() == b.isValid() && a.rgba() == b.rgba();
}

}  // namespace

std::uint8_t TDigit::DigitPattern(int digit)
{
    if (digit < 0 || digit > 9)
        return DigitPatterns[0];
    return DigitPatterns[static_cast<std::size_t>(digit)];
}

TDigit::TDigit(QWidget* parent) : QWidget(parent)
{
    // Every pixel is painted here, so Qt need not erase behind the digit.
    setAttribute(Qt::WA_OpaquePaintEvent);
    FValue = 0;
    FValueBinary = 125;
    FBorderStyle = TBorderStyle::bsSingle;
    FColorOn = QColor(255, 255, 0);
    FColorOff = QColor(0, 0, 0);
    SetColor(QColor(0, 0, 0));
    resize(16, 32);
    FOnOverflow = nullptr;
    SetSeparation(1);
    // After the resize, so that the fit test sees 16 x 32.
    SetThickness(2);
}

void TDigit::SetValue(int newValue)
{
    if (newValue == FValue)
        return;
    if (newValue < 0 || newValue > 9) {
        FValue = 0;
        if (FOnOverflow)
            FOnOverflow(this);
    } else {
        FValue = newValue;
    }
    FValueBinary = DigitPattern(FValue);
    repaint();
}

void TDigit::SetValueBinary(std::uint8_t newMask)
{
    if (newMask == FValueBinary)
        return;
    FValueBinary = newMask;
    repaint();
}

void TDigit::SetBorderStyle(TBorderStyle newStyle)
{
    if (newStyle == FBorderStyle)
        return;
    FBorderStyle = newStyle;
    repaint();
}

void TDigit::SetColor(const QColor& newColor)
{
    if (SameColor(newColor, FColor))
        return;
    FColor = newColor;
    update();
}

void TDigit::SetColorOff(const QColor& newColor)
{
    if (SameColor(newColor, FColorOff))
        return;
    FColorOff = newColor;
    repaint();
}

void TDigit::SetColorOn(const QColor& newColor)
{
    if (SameColor(newColor, FColorOn))
        return;
    FColorOn = newColor;
    repaint();
}

void TDigit::SetSeparation(int newSeparation)
{
    FSeparation = newSeparation;
    update();
}

void TDigit::SetThickness(int newThickness)
{
    if (newThickness > width() / 2 || newThickness > height() / 2)
        return;
    FThickness = newThickness;
    update();
}

void TDigit::paintEvent(QPaintEvent* event)
{
    const int w1 = width() - 1;
    const int h1 = height() - 1;
    const int t = FThickness;
    const int s = FSeparation;
    const int m = h1 / 2;

    const std::array<QPolygon, 8> shapes = {
        HorizontalBar(w1, t, s, 0),
        HorizontalBar(w1, t, s, m - t),
        HorizontalBar(w1, t, s, h1 - 2 * t),
        VerticalBar(m, t, s, 0, 0),
        VerticalBar(m, t, s, w1 - 2 * t, 0),
        VerticalBar(m, t, s, 0, m - t),
        VerticalBar(m, t, s, w1 - 2 * t, m - t),
        QPolygon({QPoint(w1, h1), QPoint(w1 - 2 * t + s, h1), QPoint(w1, h1 - 2 * t + s)}),
    };

    QPainter painter(this);
    painter.fillRect(event->rect(), FColor);
    painter.setPen(QPen(Qt::black, 1));
    for (std::size_t bit = 0; bit < shapes.size(); ++bit) {
        const bool lit = (FValueBinary >> bit) & 1U;
        painter.setBrush(lit ? FColorOn : FColorOff);
        painter.drawPolygon(shapes[bit]);
    }
}

}  // namespace peglore
