#pragma once
// The entry points of the field sheet module, resolved at run time by the
// sheet link. Plain C types only, so the two sides need not agree on more
// than these declarations.

#include "modules/module_api.h"
#include "modules/site_request.h"

#include <tuple>

extern "C" {

// Whom the sheet tells what happens in it: `context` is handed back to each
// call, and is used until the sheet is closed.
struct OrvaneSheetCallbacks {
    void *context;
    // The sheet's time link was followed.
    void (*timeLink)(void *context);
    // The wall readings changed; `known` is 0 when they give no facing.
    void (*wallFacing)(void *context, int known, double facingDeg);
};

} // extern "C"

namespace orvane {

struct SheetModuleApi {
    // Shows the one sheet (modeless, no owner, raised when already shown)
    // for `request`, telling `callbacks` from now on.
    void (*open)(const OrvaneSiteRequest *request, const OrvaneSheetCallbacks *callbacks);
    // Shows `request` in the sheet if it is shown; does nothing otherwise.
    void (*update)(const OrvaneSiteRequest *request);
    // Closes the sheet if it is shown, and forgets the callbacks.
    void (*close)();

    static constexpr std::tuple symbols{ModuleSymbol{"orvane_sheet_open", &SheetModuleApi::open},
                                        ModuleSymbol{"orvane_sheet_update", &SheetModuleApi::update},
                                        ModuleSymbol{"orvane_sheet_close", &SheetModuleApi::close}};
};

} // namespace orvane
