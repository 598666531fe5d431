#pragma once

namespace peglore {

// Lets screen readers see the main window's own parts: the colour bar's
// swatches as buttons and the clock as a value, with the game's widgets
// (InstallWidgetsAccessibility). Once is enough; more calls do nothing.
void InstallAppAccessibility();

}  // namespace peglore
