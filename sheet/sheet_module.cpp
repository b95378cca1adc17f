// Entry points of the run-time module that holds the field sheet. Only this
// module carries the precise sun and the sheet's page.

#include "frm_field_sheet.h"
#include "sheet_module_api.h"
#include "wall_panel.h"

#include <QCoreApplication>
#include <QPointer>

#include <type_traits>

namespace {

QPointer<orvane::FrmFieldSheet> sheetWindow;
OrvaneSheetWallFn wallListener = nullptr;

// The facing the readings give now, after the sheet has taken them.
void tellWall()
{
    if (!wallListener || !sheetWindow)
        return;
    const std::optional<orvane::WallField> &wall = sheetWindow->data().wall;
    wallListener(wall ? 1 : 0, wall ? wall->facingDeg : 0);
}

void deleteWindow() { delete sheetWindow.data(); }

orvane::FrmFieldSheet *window()
{
    if (!sheetWindow) {
        sheetWindow = new orvane::FrmFieldSheet();
        // Connected after the sheet's own handler, so its data is new.
        if (auto *panel = sheetWindow->findChild<orvane::WallPanel *>())
            QObject::connect(panel, &orvane::WallPanel::readingsChanged, sheetWindow.data(), &tellWall);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, sheetWindow.data(), &deleteWindow);
        // Also where the application ends without its event loop having run.
        qAddPostRoutine(&deleteWindow);
    }
    return sheetWindow;
}

} // namespace

extern "C" {

Q_DECL_EXPORT void orvane_sheet_open(const OrvaneSheetRequest *request, OrvaneSheetTimeLinkFn timeLink)
{
    orvane::FrmFieldSheet *w = window();
    w->setTimeLink(timeLink);
    w->setRequest(orvane::fromC(*request));
    w->show();
    w->raise();
    w->activateWindow();
}

Q_DECL_EXPORT void orvane_sheet_update(const OrvaneSheetRequest *request)
{
    if (sheetWindow && sheetWindow->isVisible())
        sheetWindow->setRequest(orvane::fromC(*request));
}

Q_DECL_EXPORT void orvane_sheet_set_wall_listener(OrvaneSheetWallFn listener) { wallListener = listener; }

Q_DECL_EXPORT void orvane_sheet_close()
{
    if (sheetWindow)
        sheetWindow->close();
}

} // extern "C"

// The signatures must match what the link resolves.
static_assert(std::is_same_v<decltype(&orvane_sheet_open), OrvaneSheetOpenFn>);
static_assert(std::is_same_v<decltype(&orvane_sheet_update), OrvaneSheetUpdateFn>);
static_assert(std::is_same_v<decltype(&orvane_sheet_close), OrvaneSheetCloseFn>);
static_assert(std::is_same_v<decltype(&orvane_sheet_set_wall_listener), OrvaneSheetSetWallListenerFn>);
