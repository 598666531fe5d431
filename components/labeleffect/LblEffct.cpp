#include "components/labeleffect/LblEffct.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QShortcut>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

namespace peglore {

namespace {

constexpr std::size_t Index(TColourScheme Scheme) { return static_cast<std::size_t>(Scheme); }

// Nearest integer, halves to the even neighbour (the default rounding mode).
int RoundEven(double Value) { return static_cast<int>(std::nearbyint(Value)); }

const QColor clWhite(255, 255, 255);
const QColor clBlack(0, 0, 0);
const QColor clGray(128, 128, 128);
const QColor clSilver(192, 192, 192);
const QColor clYellow(255, 255, 0);
const QColor clOlive(128, 128, 0);
const QColor clAqua(0, 255, 255);
const QColor clNavy(0, 0, 128);
const QColor clTeal(0, 128, 128);

// Multi-line caption text as a label draws it: "&" marks a mnemonic
// (underlined, "&&" is one "&"), line breaks at CR/LF, tabs every eight
// average character widths, and optionally lines broken at word boundaries.
class TCaptionLayout {
public:
    TCaptionLayout(const QString& Text, const QFont& Font, bool Prefix, bool WordBreak,
                   int Width, TAlignment Alignment)
        : FLineHeight(QFontMetrics(Font).height())
    {
        QString Plain;
        QList<QTextLayout::FormatRange> Underlines;
        for (qsizetype I = 0; I < Text.size(); ++I) {
            QChar C = Text[I];
            if (Prefix && C == u'&') {
                if (++I == Text.size())
                    break;
                C = Text[I];
                if (C != u'&') {
                    QTextLayout::FormatRange Range;
                    Range.start = int(Plain.size());
                    Range.length = 1;
                    Range.format.setFontUnderline(true);
                    Underlines.append(Range);
                }
            }
            if (C == u'\r' && I + 1 < Text.size() && Text[I + 1] == u'\n')
                continue;
            Plain += (C == u'\r' || C == u'\n') ? QChar(QChar::LineSeparator) : C;
        }

        FLayout = std::make_unique<QTextLayout>(Plain, Font);
        QTextOption Option;
        Option.setWrapMode(WordBreak ? QTextOption::WordWrap : QTextOption::ManualWrap);
        Option.setTabStopDistance(8.0 * QFontMetrics(Font).averageCharWidth());
        switch (Alignment) {
        case TAlignment::taLeftJustify: Option.setAlignment(Qt::AlignLeft); break;
        case TAlignment::taRightJustify: Option.setAlignment(Qt::AlignRight); break;
        case TAlignment::taCenter: Option.setAlignment(Qt::AlignHCenter); break;
        }
        FLayout->setTextOption(Option);
        FLayout->setFormats(Underlines);
        FLayout->beginLayout();
        int Y = 0;
        for (QTextLine Line = FLayout->createLine(); Line.isValid(); Line = FLayout->createLine()) {
            Line.setLineWidth(std::max(Width, 0));
            Line.setPosition(QPointF(0, Y));
            Y += FLineHeight;
            FWidth = std::max(FWidth, int(std::ceil(Line.naturalTextWidth())));
        }
        FLayout->endLayout();
        FHeight = Y;
    }

    QSize Extent() const { return {FWidth, FHeight}; }

    void Draw(QPainter& Painter, const QRect& Rect, const QColor& Colour) const
    {
        Painter.save();
        Painter.setClipRect(Rect, Qt::IntersectClip);
        Painter.setPen(Colour);
        FLayout->draw(&Painter, Rect.topLeft());
        Painter.restore();
    }

private:
    std::unique_ptr<QTextLayout> FLayout;
    int FLineHeight = 0;
    int FWidth = 0;
    int FHeight = 0;
};

}  // namespace

QPoint TLabelEffect::DirectionOffset(TEffectDirection Direction)
{
    switch (Direction) {
    case TEffectDirection::edNone: return {0, 0};
    case TEffectDirection::edUp: return {0, -1};
    case TEffectDirection::edUpRight: return {1, -1};
    case TEffectDirection::edRight: return {1, 0};
    case TEffectDirection::edDownRight: return {1, 1};
    case TEffectDirection::edDown: return {0, 1};
    case TEffectDirection::edDownLeft: return {-1, 1};
    case TEffectDirection::edLeft: return {-1, 0};
    case TEffectDirection::edUpLeft: return {-1, -1};
    }
    return {0, 0};
}

QPoint TLabelEffect::TurnedTextOrigin(int H, int TW, int TH, double Cos, double Sin)
{
    return {H - RoundEven(TW * 0.5 * Cos) - RoundEven(TH * 0.5 * Sin),
            H + RoundEven(TW * 0.5 * Sin) - RoundEven(TH * 0.5 * Cos)};
}

QPolygon TLabelEffect::TurnedBox(int H, int TW, int TH, double Cos, double Sin)
{
    const int WC = RoundEven(TW / 2.0 * Cos);
    const int WS = RoundEven(TW / 2.0 * Sin);
    const int HC = RoundEven(TH / 2.0 * Cos);
    const int HS = RoundEven(TH / 2.0 * Sin);
    return QPolygon({QPoint(H - WC - HS, H + WS - HC), QPoint(H + WC - HS, H - WS - HC),
                     QPoint(H + WC + HS, H - WS + HC), QPoint(H - WC + HS, H + WS + HC)});
}

TLabelEffect::TLabelEffect(QWidget* Parent)
    : QWidget(Parent)
{
    resize(65, 17);
    setMouseTracking(true);  // OnMouseMove without a button held, as labels do
    FShowAccelChar = true;
    FAutoSize = true;
    FColor = palette().color(QPalette::Window);

    FSchemes[Index(TColourScheme::csCustom)] = {clWhite, clBlack, clGray};
    FSchemes[Index(TColourScheme::csText)] = {clWhite, clGray, clBlack};
    FSchemes[Index(TColourScheme::csWindows)] = {clWhite, clBlack, clGray};
    FSchemes[Index(TColourScheme::csEmbossed)] = {clWhite, clBlack, clSilver};
    FSchemes[Index(TColourScheme::csGold)] = {clYellow, clBlack, clOlive};
    FSchemes[Index(TColourScheme::csSteel)] = {clAqua, clNavy, clTeal};

    FDepthHighlight = 1;
    FDepthShadow = 1;
    FDirectionHighlight = TEffectDirection::edUpLeft;
    FDirectionShadow = TEffectDirection::edDownRight;
    FColourHighlight = clWhite;
    FColourShadow = clBlack;
    FEffectStyle = TEffectStyle::esRaised;
    FColourScheme = TColourScheme::csWindows;
    FAsButton = false;
    FAngle = 0;
    SetFontColor(clGray);
    FStyleGuard = false;
    FSchemeGuard = false;
    FDegreeFactor = std::numbers::pi / 180.0;
    FAngleCos = 1.0;
    FAngleSin = 0.0;
    SetAutoSize(false);
    SetTransparent(true);
    setFont(QFont(QStringLiteral("Times New Roman"), 20));

    FShortcut = new QShortcut(this);
    connect(FShortcut, &QShortcut::activated, this, &TLabelEffect::FocusTheControl);
    UpdateShortcut();
}

// ---- effect properties

void TLabelEffect::SetDepthHighlight(TEffectDepth Value)
{
    if (Value == FDepthHighlight)
        return;
    FDepthHighlight = Value;
    if (!FStyleGuard)
        SetEffectStyle(TEffectStyle::esCustom);
    repaint();
}

void TLabelEffect::SetDepthShadow(TEffectDepth Value)
{
    if (Value == FDepthShadow)
        return;
    FDepthShadow = Value;
    if (!FStyleGuard)
        SetEffectStyle(TEffectStyle::esCustom);
    repaint();
}

void TLabelEffect::SetDirectionHighlight(TEffectDirection Value)
{
    if (Value == FDirectionHighlight)
        return;
    FDirectionHighlight = Value;
    if (!FStyleGuard)
        SetEffectStyle(TEffectStyle::esCustom);
    repaint();
}

void TLabelEffect::SetDirectionShadow(TEffectDirection Value)
{
    if (Value == FDirectionShadow)
        return;
    FDirectionShadow = Value;
    if (!FStyleGuard)
        SetEffectStyle(TEffectStyle::esCustom);
    repaint();
}

void TLabelEffect::SetColourHighlight(QColor Value)
{
    if (Value == FColourHighlight)
        return;
    FColourHighlight = Value;
    FSchemes[Index(TColourScheme::csCustom)].Highlight = Value;
    if (!FSchemeGuard)
        SetColourScheme(TColourScheme::csCustom);
    repaint();
}

void TLabelEffect::SetColourShadow(QColor Value)
{
    if (Value == FColourShadow)
        return;
    FColourShadow = Value;
    FSchemes[Index(TColourScheme::csCustom)].Shadow = Value;
    if (!FSchemeGuard)
        SetColourScheme(TColourScheme::csCustom);
    repaint();
}

void TLabelEffect::SetEffectStyle(TEffectStyle Value)
{
    if (Value == FEffectStyle)
        return;
    FStyleGuard = true;
    FSchemeGuard = true;
    FEffectStyle = Value;
    SetColourHighlight(FSchemes[Index(FColourScheme)].Highlight);
    using D = TEffectDirection;
    switch (Value) {
    case TEffectStyle::esNone:
        SetDirectionHighlight(D::edNone);
        SetDirectionShadow(D::edNone);
        SetDepthHighlight(0);
        SetDepthShadow(0);
        SetAsButton(false);
        break;
    case TEffectStyle::esCustom:
        SetAsButton(false);
        break;
    case TEffectStyle::esRaised:
        SetDirectionHighlight(D::edUpLeft);
        SetDirectionShadow(D::edDownRight);
        SetDepthHighlight(1);
        SetDepthShadow(1);
        break;
    case TEffectStyle::esSunken:
        SetDirectionHighlight(D::edDownRight);
        SetDirectionShadow(D::edUpLeft);
        SetDepthHighlight(1);
        SetDepthShadow(1);
        break;
    case TEffectStyle::esShadow:
        SetDirectionHighlight(D::edNone);
        SetDirectionShadow(D::edDownRight);
        SetDepthHighlight(0);
        SetDepthShadow(2);
        SetAsButton(false);
        break;
    case TEffectStyle::esFlying:
        SetDirectionHighlight(D::edDownRight);
        SetDirectionShadow(D::edDownRight);
        SetDepthHighlight(1);
        SetDepthShadow(5);
        SetColourHighlight(FSchemes[Index(FColourScheme)].Shadow);
        SetAsButton(false);
        break;
    }
    FStyleGuard = false;
    FSchemeGuard = false;
}

void TLabelEffect::SetColourScheme(TColourScheme Value)
{
    if (Value == FColourScheme)
        return;
    FSchemeGuard = true;
    FColourScheme = Value;
    const TSchemeColours Entry = FSchemes[Index(Value)];
    SetColourHighlight(Entry.Highlight);
    SetFontColor(Entry.Text);
    SetColourShadow(Entry.Shadow);
    if (Value != TColourScheme::csCustom)
        FSchemes[Index(TColourScheme::csCustom)] = Entry;
    FSchemeGuard = false;
}

void TLabelEffect::SetAsButton(bool Value)
{
    if (Value == FAsButton)
        return;
    FAsButton = Value;
    if (Value)
        SetEffectStyle(TEffectStyle::esRaised);
}

void TLabelEffect::SetAngle(TAngleRange Value)
{
    if (Value == FAngle)
        return;
    FAngle = Value;
    FAngleCos = std::cos(FAngle * FDegreeFactor);
    FAngleSin = std::sin(FAngle * FDegreeFactor);
    if (FAngle != 0)
        SetAlignment(TAlignment::taLeftJustify);
    update();
}

const TSchemeColours& TLabelEffect::SchemeColours(TColourScheme Scheme) const
{
    return FSchemes[Index(Scheme)];
}

// ---- label settings

void TLabelEffect::SetCaption(const QString& Value)
{
    if (Value == FCaption)
        return;
    FCaption = Value;
    UpdateShortcut();
    AdjustBounds();
    update();
}

void TLabelEffect::SetAlignment(TAlignment Value)
{
    if (Value == FAlignment)
        return;
    FAlignment = Value;
    update();
}

void TLabelEffect::SetAutoSize(bool Value)
{
    if (Value == FAutoSize)
        return;
    FAutoSize = Value;
    AdjustBounds();
}

void TLabelEffect::SetWordWrap(bool Value)
{
    if (Value == FWordWrap)
        return;
    FWordWrap = Value;
    AdjustBounds();
    update();
}

void TLabelEffect::SetShowAccelChar(bool Value)
{
    if (Value == FShowAccelChar)
        return;
    FShowAccelChar = Value;
    UpdateShortcut();
    AdjustBounds();
    update();
}

void TLabelEffect::SetTransparent(bool Value)
{
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    update();
}

void TLabelEffect::SetColor(QColor Value)
{
    if (Value == FColor)
        return;
    FColor = Value;
    update();
}

QColor TLabelEffect::FontColor() const { return palette().color(QPalette::WindowText); }

void TLabelEffect::SetFontColor(QColor Value)
{
    if (Value == FontColor())
        return;
    QPalette Palette = palette();
    Palette.setColor(QPalette::WindowText, Value);
    setPalette(Palette);
    update();
}

void TLabelEffect::SetFocusControl(QWidget* Value)
{
    FFocusControl = Value;
    UpdateShortcut();
}

void TLabelEffect::UpdateShortcut()
{
    if (!FShortcut)
        return;
    FShortcut->setKey(QKeySequence::mnemonic(FCaption));
    FShortcut->setEnabled(FShowAccelChar && FFocusControl && isEnabled());
}

void TLabelEffect::FocusTheControl()
{
    if (FFocusControl && FFocusControl->isEnabled() && FFocusControl->isVisible())
        FFocusControl->setFocus(Qt::ShortcutFocusReason);
}

void TLabelEffect::AdjustBounds()
{
    if (!FAutoSize)
        return;
    QString Text = FCaption;
    // An empty caption still takes the height of a line.
    if (Text.isEmpty() || (FShowAccelChar && Text == QStringLiteral("&")))
        Text += u' ';
    const TCaptionLayout Layout(Text, font(), FShowAccelChar, FWordWrap, width(),
                                TAlignment::taLeftJustify);
    const QSize Extent = Layout.Extent();
    int Left = x();
    if (FAlignment == TAlignment::taRightJustify)
        Left += width() - Extent.width();
    setGeometry(Left, y(), Extent.width(), Extent.height());
}

void TLabelEffect::changeEvent(QEvent* Event)
{
    switch (Event->type()) {
    case QEvent::FontChange:
        AdjustBounds();
        update();
        break;
    case QEvent::PaletteChange:
        update();
        break;
    case QEvent::EnabledChange:
        UpdateShortcut();
        break;
    default:
        break;
    }
    QWidget::changeEvent(Event);
}

// ---- drawing

void TLabelEffect::paintEvent(QPaintEvent*)
{
    const QPoint Highlight = DirectionOffset(FDirectionHighlight) * int(FDepthHighlight);
    const QPoint Shadow = DirectionOffset(FDirectionShadow) * int(FDepthShadow);
    // Shift every layer by the same amount on both axes so that a layer
    // pushed up or left stays inside.
    const int M = std::min({Highlight.x(), Shadow.x(), Highlight.y(), Shadow.y(), 0});
    const QPoint Shift(-M, -M);

    QPainter Painter(this);
    const QFont Font = font();
    Painter.setFont(Font);
    const QFontMetrics Metrics(Font);

    QPoint Origin(0, 0);
    int H = 0;
    int TW = 0;
    int TH = 0;
    if (FAngle != 0) {
        H = Metrics.horizontalAdvance(FCaption + QStringLiteral("   ")) / 2;
        TW = Metrics.horizontalAdvance(FCaption);
        TH = Metrics.height();
        Origin = TurnedTextOrigin(H, TW, TH, FAngleCos, FAngleSin);
    }

    if (!FTransparent) {
        if (FAngle == 0) {
            Painter.fillRect(rect(), FColor);
        } else {
            Painter.setPen(QPen(Qt::black, 1));
            Painter.setBrush(FColor);
            Painter.drawPolygon(TurnedBox(H, TW + 7, TH + 5, FAngleCos, FAngleSin));
        }
    }
    Painter.setBrush(Qt::NoBrush);

    const struct {
        QPoint Offset;
        QColor Colour;
    } Layers[3] = {
        {Shadow + Shift, FColourShadow},
        {Highlight + Shift, FColourHighlight},
        {Shift, FontColor()},
    };

    if (FAngle == 0) {
        const TCaptionLayout Layout(FCaption.left(255), Font, true, true, width(), FAlignment);
        for (const auto& Layer : Layers)
            Layout.Draw(Painter, rect().translated(Layer.Offset), Layer.Colour);
    } else {
        for (const auto& Layer : Layers) {
            Painter.save();
            Painter.translate(Origin + Layer.Offset);
            Painter.rotate(-double(FAngle));
            Painter.setPen(Layer.Colour);
            // The origin is the top left of the text, not its baseline.
            Painter.drawText(QPointF(0, Metrics.ascent()), FCaption);
            Painter.restore();
        }
    }
}

// ---- mouse

bool TLabelEffect::InsideInclusive(QPoint Pos) const
{
    return Pos.x() >= 0 && Pos.x() <= width() && Pos.y() >= 0 && Pos.y() <= height();
}

void TLabelEffect::MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPoint Pos)
{
    if (!FAsButton) {
        emit OnMouseDown(Button, Shift, Pos.x(), Pos.y());
        return;
    }
    if (Button == Qt::LeftButton && FEffectStyle != TEffectStyle::esSunken && isEnabled())
        SetEffectStyle(TEffectStyle::esSunken);
}

void TLabelEffect::mousePressEvent(QMouseEvent* Event)
{
    if (Event->button() == Qt::LeftButton)
        FClickPending = true;
    MouseDown(Event->button(), Event->modifiers(), Event->position().toPoint());
    Event->accept();
}

void TLabelEffect::mouseDoubleClickEvent(QMouseEvent* Event)
{
    // The release after a double click is no click.
    if (Event->button() == Qt::LeftButton)
        emit OnDblClick();
    MouseDown(Event->button(), Event->modifiers(), Event->position().toPoint());
    Event->accept();
}

void TLabelEffect::mouseMoveEvent(QMouseEvent* Event)
{
    const QPoint Pos = Event->position().toPoint();
    if (!FAsButton) {
        emit OnMouseMove(Event->buttons(), Event->modifiers(), Pos.x(), Pos.y());
    } else {
        const auto Keys = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
        if (Event->buttons() == Qt::LeftButton && !(Event->modifiers() & Keys))
            SetEffectStyle(InsideInclusive(Pos) ? TEffectStyle::esSunken : TEffectStyle::esRaised);
    }
    Event->accept();
}

void TLabelEffect::mouseReleaseEvent(QMouseEvent* Event)
{
    const QPoint Pos = Event->position().toPoint();
    if (Event->button() == Qt::LeftButton && FClickPending) {
        FClickPending = false;
        if (rect().contains(Pos))
            emit OnClick();
    }
    if (!FAsButton)
        emit OnMouseUp(Event->button(), Event->modifiers(), Pos.x(), Pos.y());
    else if (InsideInclusive(Pos))
        SetEffectStyle(TEffectStyle::esRaised);
    Event->accept();
}

}  // namespace peglore
