// Entry points of the run-time module that holds the field sheet. Only this
// module carries the precise sun and the sheet's page.

#include "frm_field_sheet.h"
#include "sheet_module_api.h"

#include <QCoreApplication>
#include <QPointer>

#include <type_traits>

namespace {

QPointer<orvane::FrmFieldSheet> sheetWindow;

void deleteWindow() { delete sheetWindow.data(); }

orvane::FrmFieldSheet *window()
{
    if (!sheetWindow) {
        sheetWindow = new orvane::FrmFieldSheet();
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
