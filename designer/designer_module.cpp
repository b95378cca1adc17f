// Entry points of the run-time module that holds the dial designer, the
// dial's geometry and its pages.

#include "designer_module_api.h"
#include "frm_dial_designer.h"
#include "modules/module_window.h"

#include <type_traits>

namespace {

using Designer = orvane::ModuleWindow<orvane::FrmDialDesigner>;

} // namespace

extern "C" {

Q_DECL_EXPORT void orvane_designer_open(const OrvaneSiteRequest *request)
{
    Designer::get()->setRequest(orvane::fromC(*request));
    Designer::deleteAtExit();
    Designer::showRaised();
}

Q_DECL_EXPORT void orvane_designer_update(const OrvaneSiteRequest *request)
{
    if (orvane::FrmDialDesigner *w = Designer::shown())
        w->setRequest(orvane::fromC(*request));
}

Q_DECL_EXPORT void orvane_designer_wall_facing(double facingDeg)
{
    if (orvane::FrmDialDesigner *w = Designer::existing())
        w->setWallFacing(facingDeg);
}

Q_DECL_EXPORT void orvane_designer_close() { Designer::close(); }

} // extern "C"

// The signatures must match what the link resolves.
static_assert(std::is_same_v<decltype(&orvane_designer_open), decltype(orvane::DesignerModuleApi::open)>);
static_assert(std::is_same_v<decltype(&orvane_designer_update), decltype(orvane::DesignerModuleApi::update)>);
static_assert(std::is_same_v<decltype(&orvane_designer_close), decltype(orvane::DesignerModuleApi::close)>);
static_assert(std::is_same_v<decltype(&orvane_designer_wall_facing), decltype(orvane::DesignerModuleApi::wallFacing)>);
