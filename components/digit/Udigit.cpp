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
QPolygon HorizontalBar(int W1, int T, int S, int b)
{
    return QPolygon({QPoint(S + T, b + T), QPoint(2 * T + S, b),
                     QPoint(W1 - 2 * T - S, b), QPoint(W1 - T - S, b + T),
                     QPoint(W1 - 2 * T - S, b + 2 * T), QPoint(2 * T + S, b + 2 * T)});
}

// A vertical bar with left edge e, moved down by b; M is the half height.
QPolygon VerticalBar(int M, int T, int S, int e, int b)
{
    return QPolygon({QPoint(e, b + 2 * T + S), QPoint(e + T, b + T + S),
                     QPoint(e + 2 * T, b + 2 * T + S), QPoint(e + 2 * T, b + M - T - S),
                     QPoint(e + T, b + M - S), QPoint(e, b + M - T - S)});
}

}  // namespace

std::uint8_t TDigit::DigitPattern(int Digit)
{
    if (Digit < 0 || Digit > 9)
        return DigitPatterns[0];
    return DigitPatterns[static_cast<std::size_t>(Digit)];
}

TDigit::TDigit(QWidget* Parent)
    : QWidget(Parent)
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

void TDigit::SetValue(int NewValue)
{
    if (NewValue == FValue)
        return;
    if (NewValue < 0 || NewValue > 9) {
        FValue = 0;
        if (FOnOverflow)
            FOnOverflow(this);
    } else {
        FValue = NewValue;
    }
    FValueBinary = DigitPattern(FValue);
    repaint();
}

void TDigit::SetValueBinary(std::uint8_t NewMask)
{
    if (NewMask == FValueBinary)
        return;
    FValueBinary = NewMask;
    repaint();
}

void TDigit::SetBorderStyle(TBorderStyle NewStyle)
{
    if (NewStyle == FBorderStyle)
        return;
    FBorderStyle = NewStyle;
    repaint();
}

void TDigit::SetColor(const QColor& NewColor)
{
    if (NewColor == FColor)
        return;
    FColor = NewColor;
    update();
}

void TDigit::SetColorOff(const QColor& NewColor)
{
    if (NewColor == FColorOff)
        return;
    FColorOff = NewColor;
    repaint();
}

void TDigit::SetColorOn(const QColor& NewColor)
{
    if (NewColor == FColorOn)
        return;
    FColorOn = NewColor;
    repaint();
}

void TDigit::SetSeparation(int NewSeparation)
{
    FSeparation = NewSeparation;
    update();
}

void TDigit::SetThickness(int NewThickness)
{
    if (NewThickness > width() / 2 || NewThickness > height() / 2)
        return;
    FThickness = NewThickness;
    update();
}

void TDigit::paintEvent(QPaintEvent* Event)
{
    const int W1 = width() - 1;
    const int H1 = height() - 1;
    const int T = FThickness;
    const int S = FSeparation;
    const int M = H1 / 2;

    const std::array<QPolygon, 8> Shapes = {
        HorizontalBar(W1, T, S, 0),
        HorizontalBar(W1, T, S, M - T),
        HorizontalBar(W1, T, S, H1 - 2 * T),
        VerticalBar(M, T, S, 0, 0),
        VerticalBar(M, T, S, W1 - 2 * T, 0),
        VerticalBar(M, T, S, 0, M - T),
        VerticalBar(M, T, S, W1 - 2 * T, M - T),
        QPolygon({QPoint(W1, H1), QPoint(W1 - 2 * T + S, H1), QPoint(W1, H1 - 2 * T + S)}),
    };

    QPainter Painter(this);
    Painter.fillRect(Event->rect(), FColor);
    Painter.setPen(QPen(Qt::black, 1));
    for (std::size_t Bit = 0; Bit < Shapes.size(); ++Bit) {
        const bool Lit = (FValueBinary >> Bit) & 1U;
        Painter.setBrush(Lit ? FColorOn : FColorOff);
        Painter.drawPolygon(Shapes[Bit]);
    }
}

}  // namespace peglore
