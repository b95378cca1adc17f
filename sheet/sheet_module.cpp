// Entry points of the run-time module that holds the field sheet. Only this
// module carries the precise sun and the sheet's page.

#include "frm_field_sheet.h"
#include "modules/module_window.h"
#include "sheet_module_api.h"

#include <type_traits>

namespace {

using Sheet = orvane::ModuleWindow<orvane::FrmFieldSheet>;

} // namespace

extern "C" {

Q_DECL_EXPORT void orvane_sheet_open(const OrvaneSiteRequest *request, const OrvaneSheetCallbacks *callbacks)
{
    orvane::FrmFieldSheet *w = Sheet::get();
    Sheet::deleteAtExit();
    const OrvaneSheetCallbacks c = *callbacks;
    w->setTimeLink([c] { c.timeLink(c.context); });
    w->setWallListener(
        [c](std::optional<double> facing) { c.wallFacing(c.context, facing ? 1 : 0, facing.value_or(0)); });
    w->setRequest(orvane::fromC(*request));
    Sheet::showRaised();
}

Q_DECL_EXPORT void orvane_sheet_update(const OrvaneSiteRequest *request)
{
    if (orvane::FrmFieldSheet *w = Sheet::shown())
        w->setRequest(orvane::fromC(*request));
}

Q_DECL_EXPORT void orvane_sheet_close()
{
    if (orvane::FrmFieldSheet *w = Sheet::existing()) {
        w->close();
        w->setTimeLink(nullptr);
        w->setWallListener(nullptr);
    }
}

} // extern "C"

// The signatures must match what the link resolves.
static_assert(std::is_same_v<decltype(&orvane_sheet_open), decltype(orvane::SheetModuleApi::open)>);
static_assert(std::is_same_v<decltype(&orvane_sheet_update), decltype(orvane::SheetModuleApi::update)>);
static_assert(std::is_same_v<decltype(&orvane_sheet_close), decltype(orvane::SheetModuleApi::close)>);
