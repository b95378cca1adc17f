#pragma once
// The entry points of the dial designer module, resolved at run time by the
// designer link. Plain C types only.

#include "modules/module_api.h"
#include "modules/site_request.h"

#include <tuple>

namespace orvane {

struct DesignerModuleApi {
    // Shows the one designer (modeless, no owner, raised when already shown).
    void (*open)(const OrvaneSiteRequest *request);
    // Shows `request` in the designer if it is shown; does nothing otherwise.
    void (*update)(const OrvaneSiteRequest *request);
    // Closes the designer if it is shown.
    void (*close)();
    // A wall's facing (degrees) from the Field Sheet's readings: the
    // designer, if open, takes it for a vertical dial.
    void (*wallFacing)(double facingDeg);

    static constexpr std::tuple symbols{ModuleSymbol{"orvane_designer_open", &DesignerModuleApi::open},
                                        ModuleSymbol{"orvane_designer_update", &DesignerModuleApi::update},
                                        ModuleSymbol{"orvane_designer_close", &DesignerModuleApi::close},
                                        ModuleSymbol{"orvane_designer_wall_facing", &DesignerModuleApi::wallFacing}};
};

} // namespace orvane
