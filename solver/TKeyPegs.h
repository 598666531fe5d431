#pragma once

namespace peglore {

// The score board's answer to one row: black key pegs for right colours in
// the right holes, white ones for right colours in wrong holes.
struct TKeyPegs {
    int Blacks = 0;
    int Whites = 0;

    // Whether some secret could give this answer on a board of width holes:
    // never more pegs than holes, and never one white beside all the other
    // holes black (that peg would be black too).
    bool PossibleOn(int width) const
    {
        return Blacks >= 0 && Whites >= 0 && Blacks + Whites <= width && !(Blacks == width - 1 && Whites == 1);
    }
    friend bool operator==(const TKeyPegs&, const TKeyPegs&) = default;
};

}  // namespace peglore
