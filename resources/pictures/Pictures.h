#pragma once

namespace peglore {

// Registers the pictures under ":/pictures/" (marble.png, hand.png,
// row-marker.png, the tool-button glyphs and the icons). They live in a static
// library, whose resources a program must register itself before loading
// them; call once after creating the QApplication. Calling again is harmless.
void InitPictures();

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
