#pragma once

// Pixel geometry shared by the game core and the main window's layout.
namespace peglore {

// Capacity of the board stores; SetBoardSize clamps to these.
inline constexpr int MaxStoreCells = 51;
inline constexpr int MaxColumns = 50;
inline constexpr int MaxRows = 51;

inline constexpr int GridLineWidth = 1;

inline constexpr int GuessCellWidth = 30;
inline constexpr int GuessCellHeight = 25;
inline constexpr int ScoreCellWidth = 21;
inline constexpr int ScoreCellHeight = 25;

inline constexpr int LeftBoardLeft = 43;
inline constexpr int LeftBoardTop = 83;
inline constexpr int RightBoardTop = 83;
inline constexpr int BoardGap = 10;  // between the guess and the score board
inline constexpr int ClientRightMargin = 15;
inline constexpr int ClientBottomMargin = 15;

// The row marker stands level with guess row 0 at a new game and moves
// one row pitch down per checked row.
inline constexpr int RowMarkerLeft = 5;
inline constexpr int RowMarkerTop = 88;
inline constexpr int RowPitch = GuessCellHeight + GridLineWidth;

// Inset of a peg inside its cell on both boards.
inline constexpr int PegInset = 3;
// The keyboard's focus mark on the guess board, inside the cell's margin.
inline constexpr int FocusMarkWidth = 2;

}  // namespace peglore
