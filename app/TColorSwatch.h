#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

#include "game/PegColors.h"

class QMimeData;

namespace peglore {

// A rounded colour swatch of the colour bar. A left press followed by a
// move past the platform's drag distance drags its colour.
class TColorSwatch : public QWidget {
    Q_OBJECT
public:
    static const char* const MimeType;

    TColorSwatch(TColor Color, QWidget* Parent = nullptr);

    TColor Color() const { return FColor; }

    // The payload of a dragged peg, and the colour it carries.
    static QMimeData* MakeMimeData(TColor Color);
    static bool ColorFromMimeData(const QMimeData* Data, TColor& Color);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void contextMenuEvent(QContextMenuEvent* Event) override;

private:
    TColor FColor;
    bool FPressed = false;
    QPoint FPressPos;
};

}  // namespace peglore
