#pragma once
// The C entry points of the field sheet module, resolved at run time by the
// sheet link. Plain C types only, so the two sides need not agree on more
// than these declarations.

#include "modules/site_request.h"

extern "C" {

// The accepted inputs of the main window's last calculation.
using OrvaneSheetRequest = OrvaneSiteRequest;

// Called when the sheet's time link is followed.
using OrvaneSheetTimeLinkFn = void (*)();

// Shows the one sheet (modeless, no owner, raised when already shown) for
// `request`.
using OrvaneSheetOpenFn = void (*)(const OrvaneSheetRequest *request, OrvaneSheetTimeLinkFn timeLink);
// Shows `request` in the sheet if it is shown; does nothing otherwise.
using OrvaneSheetUpdateFn = void (*)(const OrvaneSheetRequest *request);
// Closes the sheet if it is shown.
using OrvaneSheetCloseFn = void (*)();
// Told the wall's facing (degrees) whenever the sheet's wall readings give
// one anew; `known` is 0 when they give none.
using OrvaneSheetWallFn = void (*)(int known, double facingDeg);
using OrvaneSheetSetWallListenerFn = void (*)(OrvaneSheetWallFn listener);

} // extern "C"

namespace orvane {
inline constexpr char kSheetOpenSymbol[] = "orvane_sheet_open";
inline constexpr char kSheetUpdateSymbol[] = "orvane_sheet_update";
inline constexpr char kSheetCloseSymbol[] = "orvane_sheet_close";
inline constexpr char kSheetSetWallListenerSymbol[] = "orvane_sheet_set_wall_listener";
} // namespace orvane
