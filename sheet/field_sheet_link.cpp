#include "field_sheet_link.h"
#include "sheet_module_api.h"

#include "modules/module_link.h"
#include "text/translation.h"

namespace orvane {

namespace {

ModuleLink<SheetModuleApi> &module()
{
    static ModuleLink<SheetModuleApi> link(ORVANE_MODULE_PLACES(SHEET), translate("sheet", "field sheet"));
    return link;
}

void tellTimeLink(void *listener) { static_cast<FieldSheetListener *>(listener)->sheetTimeLinkFollowed(); }

void tellWallFacing(void *listener, int known, double facingDeg)
{
    static_cast<FieldSheetListener *>(listener)->sheetWallFacingChanged(known ? std::optional(facingDeg)
                                                                              : std::nullopt);
}

} // namespace

void openFieldSheet(const SheetRequest &request, FieldSheetListener &listener)
{
    if (const SheetModuleApi *api = module().open()) {
        const OrvaneSheetCallbacks callbacks{&listener, &tellTimeLink, &tellWallFacing};
        api->open(SiteRequestForC(request).get(), &callbacks);
    }
}

void updateFieldSheet(const SheetRequest &request)
{
    if (const SheetModuleApi *api = module().loaded())
        api->update(SiteRequestForC(request).get());
}

void closeFieldSheet()
{
    if (const SheetModuleApi *api = module().loaded())
        api->close();
}

bool fieldSheetModuleLoaded() { return module().loaded() != nullptr; }

} // namespace orvane
