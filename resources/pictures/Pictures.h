#pragma once

#include <QtGlobal>

class QCursor;
class QPixmap;

namespace peglore {

// Registers the pictures under ":/pictures/" (marble.png, hand.png,
// row-marker.png, the tool-button glyphs and the icons). They live in a static
// library, whose resources a program must register itself before loading
// them; call once after creating the QApplication. Calling again is harmless.
//
// Every picture but the marble also comes drawn at twice its size, as
// "name@2x.png" beside it. QIcon(path) and QIcon::addFile take that drawing
// by themselves on a screen of a device pixel ratio above 1; PictureFor and
// HandCursorFor do the same for a pixmap and for the hand cursor.
void InitPictures();

// The picture at path for a screen of device pixel ratio ratio: the picture
// itself up to ratio 1; above it its drawing at twice the size, scaled
// smoothly to the ratio where that is not 2, with the ratio as its device
// pixel ratio, so that it shows at the picture's own size.
QPixmap PictureFor(const char* path, qreal ratio);
// The pointing hand as the mouse cursor, hot spot on the tip of its finger,
// for a screen of device pixel ratio ratio.
QCursor HandCursorFor(qreal ratio);

// Where each picture is found once registered.
namespace PicturePaths {
inline constexpr const char* Marble = ":/pictures/marble.png";
inline constexpr const char* HandCursor = ":/pictures/hand.png";
inline constexpr const char* RowMarker = ":/pictures/row-marker.png";
inline constexpr const char* WindowIcon = ":/pictures/peglore.png";
inline constexpr const char* NewGlyph = ":/pictures/new.png";
inline constexpr const char* NewGlyphDisabled = ":/pictures/new-disabled.png";
inline constexpr const char* PropertiesGlyph = ":/pictures/properties.png";
inline constexpr const char* CheckGlyph = ":/pictures/check.png";
inline constexpr const char* CheckGlyphDisabled = ":/pictures/check-disabled.png";
}  // namespace PicturePaths

// Hot spot of the hand cursor, the tip of its index finger:
// QCursor(QPixmap(PicturePaths::HandCursor), HandHotSpotX, HandHotSpotY).
inline constexpr int HandHotSpotX = 9;
inline constexpr int HandHotSpotY = 0;

}  // namespace peglore
