#pragma once

namespace peglore {

// Registers the pictures under ":/pictures/" (marble.png, hand.png,
// row-marker.png, the tool-button glyphs and the icons). They live in a static
// library, whose resources a program must register itself before loading
// them; call once after creating the QApplication. Calling again is harmless.
void InitPictures();

// Hot spot of the hand cursor ":/pictures/hand.png", the tip of its index
// finger: QCursor(QPixmap(":/pictures/hand.png"), HandHotSpotX, HandHotSpotY).
inline constexpr int HandHotSpotX = 9;
inline constexpr int HandHotSpotY = 0;

}  // namespace peglore
