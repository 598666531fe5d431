#pragma once

#include <QColor>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace peglore {

enum class TBorderStyle { bsNone, bsSingle };

// One decimal digit drawn as an LED display: seven pointed bars and a
// corner triangle, each in the lit or the unlit colour over Color.
//
// Setters compare first. Value, ValueBinary, ColorOn, ColorOff and
// BorderStyle repaint at once (QWidget::repaint); Color, Thickness and
// Separation mark the digit for the next paint cycle (QWidget::update).
class TDigit : public QWidget {
    Q_OBJECT

public:
    // Raised after Value was given a number outside 0..9 (Value is then 0).
    using TOverflow = std::function<void(TDigit* sender)>;

    // Segment bits of ValueBinary; also the drawing order.
    enum : std::uint8_t {
        SegTop = 1,
        SegMiddle = 2,
        SegBottom = 4,
        SegUpperLeft = 8,
        SegUpperRight = 16,
        SegLowerLeft = 32,
        SegLowerRight = 64,
        SegCorner = 128,
    };

    // The mask of each digit 0..9; no digit lights the corner.
    static std::uint8_t DigitPattern(int digit);

    explicit TDigit(QWidget* parent = nullptr);

    int Value() const { return FValue; }
    void SetValue(int newValue);

    std::uint8_t ValueBinary() const { return FValueBinary; }
    void SetValueBinary(std::uint8_t newMask);

    const TOverflow& OnOverflow() const { return FOnOverflow; }
    void SetOnOverflow(TOverflow handler) { FOnOverflow = std::move(handler); }

    // Stored only; the drawing does not depend on it.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle newStyle);

    QColor Color() const { return FColor; }
    void SetColor(const QColor& newColor);

    QColor ColorOff() const { return FColorOff; }
    void SetColorOff(const QColor& newColor);

    QColor ColorOn() const { return FColorOn; }
    void SetColorOn(const QColor& newColor);

    // Gap in pixels between neighbouring segments; never checked.
    int Separation() const { return FSeparation; }
    void SetSeparation(int newSeparation);

    // Half the width of a bar. Ignored unless it fits: not above
    // width()/2 nor height()/2. There is no lower bound.
    int Thickness() const { return FThickness; }
    void SetThickness(int newThickness);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int FValue = 0;
    std::uint8_t FValueBinary = 125;
    TOverflow FOnOverflow;
    TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
    QColor FColor;
    QColor FColorOff;
    QColor FColorOn;
    int FSeparation = 0;
    int FThickness = 0;
};

}  // namespace peglore
