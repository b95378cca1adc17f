#pragma once
// The link between the main window and the dial designer. The designer's
// module is loaded only when the designer is first opened.

#include "designer_request.h"

namespace orvane {

// Shows the one designer for `request`, raised when already shown.
void openDialDesigner(const DesignerRequest &request);

// Shows `request` in the designer when it is shown; loads nothing otherwise.
void updateDialDesigner(const DesignerRequest &request);

// A wall's facing from the Field Sheet: an open designer takes it for a
// vertical dial; loads nothing.
void setDialDesignerWallFacing(double facingDeg);

// Closes the designer if it was ever opened.
void closeDialDesigner();

// Whether the designer module has been loaded in this process.
bool dialDesignerModuleLoaded();

} // namespace orvane
