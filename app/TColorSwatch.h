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

    TColorSwatch(TColor color, QWidget* parent = nullptr);

    TColor Color() const { return FColor; }
    // The colour's symbol in the middle of the swatch.
    bool SymbolShown() const { return FSymbolShown; }
    void SetSymbolShown(bool shown);
    // The number key that places the colour (1 to 8), 0 for none; screen
    // readers say it.
    int Key() const { return FKey; }
    void SetKey(int key) { FKey = key; }

    // The payload of a dragged peg, and the colour it carries.
    static QMimeData* MakeMimeData(TColor color);
    static bool ColorFromMimeData(const QMimeData* data, TColor& color);

signals:
    // A screen reader pressed the swatch: place its colour as its key does.
    void Chosen(peglore::TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    TColor FColor;
    bool FSymbolShown = false;
    int FKey = 0;
    bool FPressed = false;
    QPoint FPressPos;
};

}  // namespace peglore
