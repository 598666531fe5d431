#pragma once

namespace peglore {

// Lets screen readers see the game's own widgets: board grids as tables
// (or pictures), the status bar's panels, containers with a role or with
// hidden decoration. Once is enough; more calls do nothing.
void InstallWidgetsAccessibility();

}  // namespace peglore
