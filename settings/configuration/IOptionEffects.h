#pragma once

namespace peglore {

// How a change of one of the three options shows in the program.
class IOptionEffects {
public:
    virtual void PlayMusic() = 0;
    virtual void StopMusic() = 0;
    // The application-wide switch for tooltips.
    virtual void SetTooltipsEnabled(bool enabled) = 0;
    virtual void SetCheckButtonEnabled(bool enabled) = 0;

protected:
    ~IOptionEffects() = default;
};

}  // namespace peglore
