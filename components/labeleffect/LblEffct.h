#pragma once

#include <QColor>
#include <QPoint>
#include <QPointer>
#include <QPolygon>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>

class QShortcut;

namespace peglore {

enum class TEffectDirection : std::uint8_t {
    edNone,
    edUp,
    edUpRight,
    edRight,
    edDownRight,
    edDown,
    edDownLeft,
    edLeft,
    edUpLeft,
};
enum class TEffectStyle { esNone, esCustom, esRaised, esSunken, esShadow, esFlying };
enum class TColourScheme { csCustom, csText, csWindows, csEmbossed, csGold, csSteel };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// Depth in pixels, meant to be 0..10; angle in degrees, meant to be 0..359.
// Neither range is enforced.
using TEffectDepth = std::uint8_t;
using TAngleRange = std::uint16_t;

struct TSchemeColours {
    QColor Highlight;
    QColor Shadow;
    QColor Text;
};

// A label that draws its caption three times for depth: a shadow copy, a
// highlight copy, each moved by a direction times a depth, then the face.
// Presets (EffectStyle, ColourScheme) fill in directions, depths and
// colours; changing one of those by hand selects esCustom / csCustom.
//
// Setters compare first. The effect setters repaint at once (repaint());
// Angle, Caption, Alignment, Color, Transparent and the font colour mark
// the label for the next paint cycle (update()).
class TLabelEffect : public QWidget {
    Q_OBJECT

public:
    explicit TLabelEffect(QWidget* parent = nullptr);

    // One step in a direction: x to the right, y downwards.
    static QPoint DirectionOffset(TEffectDirection direction);
    // Where turned text starts so that its centre lands on (h, h); TW and
    // TH are the caption's width and height. Products round half to even.
    static QPoint TurnedTextOrigin(int h, int tw, int th, double cos, double sin);
    // The four corners of a box of TW x TH turned about (h, h).
    static QPolygon TurnedBox(int h, int tw, int th, double cos, double sin);

    TEffectDepth DepthHighlight() const { return FDepthHighlight; }
    void SetDepthHighlight(TEffectDepth value);
    TEffectDepth DepthShadow() const { return FDepthShadow; }
    void SetDepthShadow(TEffectDepth value);
    TEffectDirection DirectionHighlight() const { return FDirectionHighlight; }
    void SetDirectionHighlight(TEffectDirection value);
    TEffectDirection DirectionShadow() const { return FDirectionShadow; }
    void SetDirectionShadow(TEffectDirection value);
    QColor ColourHighlight() const { return FColourHighlight; }
    void SetColourHighlight(QColor value);
    QColor ColourShadow() const { return FColourShadow; }
    void SetColourShadow(QColor value);
    TEffectStyle EffectStyle() const { return FEffectStyle; }
    void SetEffectStyle(TEffectStyle value);
    TColourScheme ColourScheme() const { return FColourScheme; }
    void SetColourScheme(TColourScheme value);
    // While on, the label looks pressed (esSunken) while the left button
    // is held on it, and raised otherwise; its mouse signals are not sent.
    bool AsButton() const { return FAsButton; }
    void SetAsButton(bool value);
    // Counter-clockwise. Turned text is one line about the centre of a
    // square as wide as the caption and three blanks.
    TAngleRange Angle() const { return FAngle; }
    void SetAngle(TAngleRange value);

    // The scheme table; only the csCustom entry ever changes.
    const TSchemeColours& SchemeColours(TColourScheme scheme) const;

    // Label settings. The font is QWidget::font(); its colour (the face
    // colour) is the palette's WindowText.
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // When on, the label is sized to its plain caption (unturned, without
    // the layer offsets); a right-justified label keeps its right edge.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    // Only AutoSize's measuring reads it; drawing always breaks words.
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    // Enables the Alt+letter shortcut to FocusControl and "&" in AutoSize's
    // measuring; drawing always treats "&" as a mnemonic prefix.
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    QColor Color() const { return FColor; }
    void SetColor(QColor value);
    QColor FontColor() const;
    void SetFontColor(QColor value);
    QWidget* FocusControl() const { return FFocusControl; }
    void SetFocusControl(QWidget* value);

signals:
    // Left button pressed and released inside; sent with AsButton on too.
    void OnClick();
    void OnDblClick();
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    bool InsideInclusive(QPoint pos) const;
    void AdjustBounds();
    void UpdateShortcut();
    void FocusTheControl();

    TEffectDepth FDepthHighlight = 1;
    TEffectDepth FDepthShadow = 1;
    TEffectDirection FDirectionHighlight = TEffectDirection::edUpLeft;
    TEffectDirection FDirectionShadow = TEffectDirection::edDownRight;
    QColor FColourHighlight;
    QColor FColourShadow;
    TEffectStyle FEffectStyle = TEffectStyle::esRaised;
    TColourScheme FColourScheme = TColourScheme::csWindows;
    bool FAsButton = false;
    TAngleRange FAngle = 0;
    bool FStyleGuard = false;
    bool FSchemeGuard = false;
    std::array<TSchemeColours, 6> FSchemes;
    double FDegreeFactor = 0.0;
    double FAngleCos = 1.0;
    double FAngleSin = 0.0;

    QString FCaption;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    bool FAutoSize = false;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    bool FTransparent = true;
    QColor FColor;
    QPointer<QWidget> FFocusControl;
    QShortcut* FShortcut = nullptr;
    bool FClickPending = false;
};

}  // namespace peglore
