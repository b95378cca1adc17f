#include "dial_designer_link.h"
#include "designer_module_api.h"

#include "modules/module_link.h"
#include "text/translation.h"

namespace orvane {

namespace {

ModuleLink<DesignerModuleApi> &module()
{
    static ModuleLink<DesignerModuleApi> link(ORVANE_MODULE_PLACES(DESIGNER), translate("designer", "dial designer"));
    return link;
}

} // namespace

void openDialDesigner(const DesignerRequest &request)
{
    if (const DesignerModuleApi *api = module().open())
        api->open(SiteRequestForC(request).get());
}

void updateDialDesigner(const DesignerRequest &request)
{
    if (const DesignerModuleApi *api = module().loaded())
        api->update(SiteRequestForC(request).get());
}

void closeDialDesigner()
{
    if (const DesignerModuleApi *api = module().loaded())
        api->close();
}

void setDialDesignerWallFacing(double facingDeg)
{
    if (const DesignerModuleApi *api = module().loaded())
        api->wallFacing(facingDeg);
}

bool dialDesignerModuleLoaded() { return module().loaded() != nullptr; }

} // namespace orvane
