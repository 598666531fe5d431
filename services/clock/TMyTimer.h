#pragma once

namespace peglore {

class TDigit;

// Counts the seconds of the current game and shows them on three digits
// (hundreds, tens, units). The owner advances it once a second with
// SetSeconds(Seconds() + 1) and resets it with every new game.
class TMyTimer {
public:
    // The largest count the three digits can show; above it they stay at 999.
    static constexpr int MaxShown = 999;

    // Sets the lit colour of the three digits to red; the count starts at 0.
    TMyTimer(TDigit& hundreds, TDigit& tens, TDigit& units);
    TMyTimer(const TMyTimer&) = delete;
    TMyTimer& operator=(const TMyTimer&) = delete;

    int Seconds() const { return FSeconds; }
    // Stores the count and shows it, clamped to 0..999.
    void SetSeconds(int newSeconds);
    void ResetClock() { SetSeconds(0); }

private:
    TDigit& FHundreds;
    TDigit& FTens;
    TDigit& FUnits;
    int FSeconds = 0;
};

}  // namespace peglore
