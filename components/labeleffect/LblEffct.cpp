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

#include "components/accessible/TGroupAccessible.h"

namespace peglore {

namespace {

constexpr std::size_t Index(TColourScheme scheme)
{
    return static_cast<std::size_t>(scheme);
}

// Nearest integer, halves to the even neighbour (the default rounding mode).
int RoundEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

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
    TCaptionLayout(const QString& text, const QFont& font, bool prefix, bool wordBreak, int width, TAlignment alignment)
        : FLineHeight(QFontMetrics(font).height())
    {
        QString plain;
        QList<QTextLayout::FormatRange> underlines;
        for (qsizetype i = 0; i < text.size(); ++i) {
            QChar c = text[i];
            if (prefix && c == u'&') {
                if (++i == text.size())
                    break;
                c = text[i];
                if (c != u'&') {
                    QTextLayout::FormatRange range;
                    range.start = int(plain.size());
                    range.length = 1;
                    range.format.setFontUnderline(true);
                    underlines.append(range);
                }
            }
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                continue;
            plain += (c == u'\r' || c == u'\n') ? QChar(QChar::LineSeparator) : c;
        }

        FLayout = std::make_unique<QTextLayout>(plain, font);
        QTextOption option;
        option.setWrapMode(wordBreak ? QTextOption::WordWrap : QTextOption::ManualWrap);
        option.setTabStopDistance(8.0 * QFontMetrics(font).averageCharWidth());
        switch (alignment) {
        case TAlignment::taLeftJustify: option.setAlignment(Qt::AlignLeft); break;
        case TAlignment::taRightJustify: option.setAlignment(Qt::AlignRight); break;
        case TAlignment::taCenter: option.setAlignment(Qt::AlignHCenter); break;
        }
        FLayout->setTextOption(option);
        FLayout->setFormats(underlines);
        FLayout->beginLayout();
        int y = 0;
        for (QTextLine line = FLayout->createLine(); line.isValid(); line = FLayout->createLine()) {
            line.setLineWidth(std::max(width, 0));
            line.setPosition(QPointF(0, y));
            y += FLineHeight;
            FWidth = std::max(FWidth, int(std::ceil(line.naturalTextWidth())));
        }
        FLayout->endLayout();
        FHeight = y;
    }

    QSize Extent() const { return {FWidth, FHeight}; }

    void Draw(QPainter& painter, const QRect& rect, const QColor& colour) const
    {
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
        painter.setPen(colour);
        FLayout->draw(&painter, rect.topLeft());
        painter.restore();
    }

private:
    std::unique_ptr<QTextLayout> FLayout;
    int FLineHeight = 0;
    int FWidth = 0;
    int FHeight = 0;
};

// Colours are values: the same red, green, blue and alpha given as HSV or
// CMYK is the same colour, though QColor's == tells the two apart.
bool SameColour(const QColor& a, const QColor& b)
{
    return a.isValid() == b.isValid() && a.rgba() == b.rgba();
}

}  // namespace

QPoint TLabelEffect::DirectionOffset(TEffectDirection direction)
{
    switch (direction) {
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

QPoint TLabelEffect::TurnedTextOrigin(int h, int tw, int th, double cos, double sin)
{
    return {h - RoundEven(tw * 0.5 * cos) - RoundEven(th * 0.5 * sin),
            h + RoundEven(tw * 0.5 * sin) - RoundEven(th * 0.5 * cos)};
}

QPolygon TLabelEffect::TurnedBox(int h, int tw, int th, double cos, double sin)
{
    const int wc = RoundEven(tw / 2.0 * cos);
    const int ws = RoundEven(tw / 2.0 * sin);
    const int hc = RoundEven(th / 2.0 * cos);
    const int hs = RoundEven(th / 2.0 * sin);
    return QPolygon({QPoint(h - wc - hs, h + ws - hc), QPoint(h + wc - hs, h - ws - hc),
                     QPoint(h + wc + hs, h - ws + hc), QPoint(h - wc + hs, h + ws + hc)});
}

TLabelEffect::TLabelEffect(QWidget* parent) : QWidget(parent)
{
    resize(65, 17);
    setMouseTracking(true);  // OnMouseMove without a button held, as labels do
    TGroupAccessible::SetAccessibleRole(*this, QAccessible::StaticText);
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

void TLabelEffect::SetDepthHighlight(TEffectDepth value)
{
    if (value == FDepthHighlight)
        return;
    FDepthHighlight = value;
    if (!FStyleGuard)
        SetEffectStyle(TEffectStyle::esCustom);
    repaint();
}

void TLabelEffect::SetDepthShadow(TEffectDepth value)
{
    if (value == FDepthShadow)
        return;
    FDepthShadow = value;
    if (!FStyleGuard)
        SetEffectStyle(TEffectStyle::esCustom);
    repaint();
}

void TLabelEffect::SetDirectionHighlight(TEffectDirection value)
{
    if (value == FDirectionHighlight)
        return;
    FDirectionHighlight = value;
    if (!FStyleGuard)
        SetEffectStyle(TEffectStyle::esCustom);
    repaint();
}

void TLabelEffect::SetDirectionShadow(TEffectDirection value)
{
    if (value == FDirectionShadow)
        return;
    FDirectionShadow = value;
    if (!FStyleGuard)
        SetEffectStyle(TEffectStyle::esCustom);
    repaint();
}

void TLabelEffect::SetColourHighlight(QColor value)
{
    if (SameColour(value, FColourHighlight))
        return;
    FColourHighlight = value;
    FSchemes[Index(TColourScheme::csCustom)].Highlight = value;
    if (!FSchemeGuard)
        SetColourScheme(TColourScheme::csCustom);
    repaint();
}

void TLabelEffect::SetColourShadow(QColor value)
{
    if (SameColour(value, FColourShadow))
        return;
    FColourShadow = value;
    FSchemes[Index(TColourScheme::csCustom)].Shadow = value;
    if (!FSchemeGuard)
        SetColourScheme(TColourScheme::csCustom);
    repaint();
}

void TLabelEffect::SetEffectStyle(TEffectStyle value)
{
    if (value == FEffectStyle)
        return;
    FStyleGuard = true;
    FSchemeGuard = true;
    FEffectStyle = value;
    SetColourHighlight(FSchemes[Index(FColourScheme)].Highlight);
    using D = TEffectDirection;
    switch (value) {
    case TEffectStyle::esNone:
        SetDirectionHighlight(D::edNone);
        SetDirectionShadow(D::edNone);
        SetDepthHighlight(0);
        SetDepthShadow(0);
        SetAsButton(false);
        break;
    case TEffectStyle::esCustom: SetAsButton(false); break;
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

void TLabelEffect::SetColourScheme(TColourScheme value)
{
    if (value == FColourScheme)
        return;
    FSchemeGuard = true;
    FColourScheme = value;
    const TSchemeColours entry = FSchemes[Index(value)];
    SetColourHighlight(entry.Highlight);
    SetFontColor(entry.Text);
    SetColourShadow(entry.Shadow);
    if (value != TColourScheme::csCustom)
        FSchemes[Index(TColourScheme::csCustom)] = entry;
    FSchemeGuard = false;
}

void TLabelEffect::SetAsButton(bool value)
{
    if (value == FAsButton)
        return;
    FAsButton = value;
    if (value)
        SetEffectStyle(TEffectStyle::esRaised);
}

void TLabelEffect::SetAngle(TAngleRange value)
{
    if (value == FAngle)
        return;
    FAngle = value;
    FAngleCos = std::cos(FAngle * FDegreeFactor);
    FAngleSin = std::sin(FAngle * FDegreeFactor);
    if (FAngle != 0)
        SetAlignment(TAlignment::taLeftJustify);
    update();
}

const TSchemeColours& TLabelEffect::SchemeColours(TColourScheme scheme) const
{
    return FSchemes[Index(scheme)];
}

// ---- label settings

void TLabelEffect::SetCaption(const QString& value)
{
    if (value == FCaption)
        return;
    FCaption = value;
    // Read without its mnemonic marks ("&&" stays one "&").
    setAccessibleName(QString(value)
                          .replace(QStringLiteral("&&"), QStringLiteral("\x01"))
                          .remove(QLatin1Char('&'))
                          .replace(QLatin1Char('\x01'), QLatin1Char('&')));
    UpdateShortcut();
    AdjustBounds();
    update();
}

void TLabelEffect::SetAlignment(TAlignment value)
{
    if (value == FAlignment)
        return;
    FAlignment = value;
    update();
}

void TLabelEffect::SetAutoSize(bool value)
{
    if (value == FAutoSize)
        return;
    FAutoSize = value;
    AdjustBounds();
}

void TLabelEffect::SetWordWrap(bool value)
{
    if (value == FWordWrap)
        return;
    FWordWrap = value;
    AdjustBounds();
    update();
}

void TLabelEffect::SetShowAccelChar(bool value)
{
    if (value == FShowAccelChar)
        return;
    FShowAccelChar = value;
    UpdateShortcut();
    AdjustBounds();
    update();
}

void TLabelEffect::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    update();
}

void TLabelEffect::SetColor(QColor value)
{
    if (SameColour(value, FColor))
        return;
    FColor = value;
    update();
}

QColor TLabelEffect::FontColor() const
{
    return palette().color(QPalette::WindowText);
}

void TLabelEffect::SetFontColor(QColor value)
{
    if (SameColour(value, FontColor()))
        return;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, value);
    setPalette(colours);
    update();
}

void TLabelEffect::SetFocusControl(QWidget* value)
{
    FFocusControl = value;
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
    QString text = FCaption;
    // An empty caption still takes the height of a line.
    if (text.isEmpty() || (FShowAccelChar && text == QStringLiteral("&")))
        text += u' ';
    const TCaptionLayout layout(text, font(), FShowAccelChar, FWordWrap, width(), TAlignment::taLeftJustify);
    const QSize extent = layout.Extent();
    int left = x();
    if (FAlignment == TAlignment::taRightJustify)
        left += width() - extent.width();
    setGeometry(left, y(), extent.width(), extent.height());
}

void TLabelEffect::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FontChange:
        AdjustBounds();
        update();
        break;
    case QEvent::PaletteChange: update(); break;
    case QEvent::EnabledChange: UpdateShortcut(); break;
    default: break;
    }
    QWidget::changeEvent(event);
}

// ---- drawing

void TLabelEffect::paintEvent(QPaintEvent*)
{
    const QPoint highlight = DirectionOffset(FDirectionHighlight) * int(FDepthHighlight);
    const QPoint shadow = DirectionOffset(FDirectionShadow) * int(FDepthShadow);
    // shift every layer by the same amount on both axes so that a layer
    // pushed up or left stays inside.
    const int m = std::min({highlight.x(), shadow.x(), highlight.y(), shadow.y(), 0});
    const QPoint shift(-m, -m);

    QPainter painter(this);
    const QFont textFont = font();
    painter.setFont(textFont);
    const QFontMetrics metrics(textFont);

    QPoint origin(0, 0);
    int h = 0;
    int tw = 0;
    int th = 0;
    if (FAngle != 0) {
        h = metrics.horizontalAdvance(FCaption + QStringLiteral("   ")) / 2;
        tw = metrics.horizontalAdvance(FCaption);
        th = metrics.height();
        origin = TurnedTextOrigin(h, tw, th, FAngleCos, FAngleSin);
    }

    if (!FTransparent) {
        if (FAngle == 0) {
            painter.fillRect(rect(), FColor);
        } else {
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(FColor);
            painter.drawPolygon(TurnedBox(h, tw + 7, th + 5, FAngleCos, FAngleSin));
        }
    }
    painter.setBrush(Qt::NoBrush);

    const struct {
        QPoint Offset;
        QColor Colour;
    } layers[3] = {
        {shadow + shift, FColourShadow},
        {highlight + shift, FColourHighlight},
        {shift, FontColor()},
    };

    if (FAngle == 0) {
        const TCaptionLayout layout(FCaption.left(255), textFont, true, true, width(), FAlignment);
        for (const auto& layer : layers)
            layout.Draw(painter, rect().translated(layer.Offset), layer.Colour);
    } else {
        for (const auto& layer : layers) {
            painter.save();
            painter.translate(origin + layer.Offset);
            painter.rotate(-double(FAngle));
            painter.setPen(layer.Colour);
            // The origin is the top left of the text, not its baseline.
            painter.drawText(QPointF(0, metrics.ascent()), FCaption);
            painter.restore();
        }
    }
}

// ---- mouse

bool TLabelEffect::InsideInclusive(QPoint pos) const
{
    return pos.x() >= 0 && pos.x() <= width() && pos.y() >= 0 && pos.y() <= height();
}

void TLabelEffect::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos)
{
    if (!FAsButton) {
        emit OnMouseDown(button, shift, pos.x(), pos.y());
        return;
    }
    if (button == Qt::LeftButton && FEffectStyle != TEffectStyle::esSunken && isEnabled())
        SetEffectStyle(TEffectStyle::esSunken);
}

void TLabelEffect::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        FClickPending = true;
    MouseDown(event->button(), event->modifiers(), event->position().toPoint());
    event->accept();
}

void TLabelEffect::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The release after a double click is no click.
    if (event->button() == Qt::LeftButton)
        emit OnDblClick();
    MouseDown(event->button(), event->modifiers(), event->position().toPoint());
    event->accept();
}

void TLabelEffect::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (!FAsButton) {
        emit OnMouseMove(event->buttons(), event->modifiers(), pos.x(), pos.y());
    } else {
        const auto keys = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
        if (event->buttons() == Qt::LeftButton && !(event->modifiers() & keys))
            SetEffectStyle(InsideInclusive(pos) ? TEffectStyle::esSunken : TEffectStyle::esRaised);
    }
    event->accept();
}

void TLabelEffect::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && FClickPending) {
        FClickPending = false;
        if (rect().contains(pos))
            emit OnClick();
    }
    if (!FAsButton)
        emit OnMouseUp(event->button(), event->modifiers(), pos.x(), pos.y());
    else if (InsideInclusive(pos))
        SetEffectStyle(TEffectStyle::esRaised);
    event->accept();
}

}  // namespace peglore
