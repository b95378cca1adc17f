#pragma once
// The C entry points of the dial designer module, resolved at run time by
// the designer link. Plain C types only.

#include "modules/site_request.h"

extern "C" {

// The accepted inputs of the main window's last calculation.
using OrvaneDesignerRequest = OrvaneSiteRequest;

// Shows the one designer (modeless, no owner, raised when already shown).
using OrvaneDesignerOpenFn = void (*)(const OrvaneDesignerRequest *request);
// Shows `request` in the designer if it is shown; does nothing otherwise.
using OrvaneDesignerUpdateFn = void (*)(const OrvaneDesignerRequest *request);
// Closes the designer if it is shown.
using OrvaneDesignerCloseFn = void (*)();
// A wall's facing (degrees) from the Field Sheet's readings: the designer,
// if open, takes it for a vertical dial.
using OrvaneDesignerWallFacingFn = void (*)(double facingDeg);

} // extern "C"

namespace orvane {
inline constexpr char kDesignerOpenSymbol[] = "orvane_designer_open";
inline constexpr char kDesignerUpdateSymbol[] = "orvane_designer_update";
inline constexpr char kDesignerCloseSymbol[] = "orvane_designer_close";
inline constexpr char kDesignerWallFacingSymbol[] = "orvane_designer_wall_facing";
} // namespace orvane
