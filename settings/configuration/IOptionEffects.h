#pragma once

namespace peglore {

// How a change of one of the options shows in the program.
class IOptionEffects {
public:
    virtual void PlayMusic() = 0;
    virtual void StopMusic() = 0;
    // The application-wide switch for tooltips.
    virtual void SetTooltipsEnabled(bool enabled) = 0;
    virtual void SetCheckButtonEnabled(bool enabled) = 0;
    // A symbol on every peg shown; nothing where no peg is shown.
    virtual void SetPegSymbolsShown(bool /*shown*/) {}
    // Hard mode's rule applied to the game, or lifted.
    virtual void SetHardModeOn(bool /*on*/) {}

protected:
    ~IOptionEffects() = default;
};

}  // namespace peglore
