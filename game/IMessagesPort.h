#pragma once

#include "game/TVariant.h"

namespace peglore {

// The answer of a message box. Cancel: closed from its title bar.
enum class TAnswer { Ok, Yes, No, Cancel };

// The boxes and dialogs the rules show.
class IMessagesPort {
public:
    virtual void ShowRowNotFull() = 0;
    // The full current row uses a colour not among the first colours of the
    // colour bar, or, without repeats, a colour twice. A port without the
    // box shows nothing.
    virtual void ShowRowBreaksVariant(TVariantBreach /*breach*/, int /*colours*/) {}
    // Hard mode: the full current row cannot be the secret, because row
    // (from 0), checked earlier, got blacks and whites, which the current
    // row as the secret would not have given it. A port without the box
    // shows nothing.
    virtual void ShowRowContradicts(int /*row*/, int /*blacks*/, int /*whites*/) {}
    virtual void ShowWon() = 0;
    virtual void ShowLost() = 0;
    // The correct-combination dialog, modal.
    virtual void ShowCorrectAnswer() = 0;
    // "Do you really want to start a new game?"
    virtual TAnswer AskNewGame() = 0;

protected:
    ~IMessagesPort() = default;
};

}  // namespace peglore
