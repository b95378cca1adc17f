// Entry points of the run-time module that holds the dial designer, the
// dial's geometry and its pages.

#include "designer_module_api.h"
#include "frm_dial_designer.h"

#include <QCoreApplication>
#include <QPointer>

#include <type_traits>

namespace {

QPointer<orvane::FrmDialDesigner> designerWindow;

void deleteWindow() { delete designerWindow.data(); }

orvane::FrmDialDesigner *window()
{
    if (!designerWindow) {
        designerWindow = new orvane::FrmDialDesigner();
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, designerWindow.data(), &deleteWindow);
        // Also where the application ends without its event loop having run.
        qAddPostRoutine(&deleteWindow);
    }
    return designerWindow;
}

} // namespace

extern "C" {

Q_DECL_EXPORT void orvane_designer_open(const OrvaneDesignerRequest *request)
{
    orvane::FrmDialDesigner *w = window();
    w->setRequest(orvane::fromC(*request));
    w->show();
    w->raise();
    w->activateWindow();
}

Q_DECL_EXPORT void orvane_designer_update(const OrvaneDesignerRequest *request)
{
    if (designerWindow && designerWindow->isVisible())
        designerWindow->setRequest(orvane::fromC(*request));
}

Q_DECL_EXPORT void orvane_designer_wall_facing(double facingDeg)
{
    if (designerWindow)
        designerWindow->setWallFacing(facingDeg);
}

Q_DECL_EXPORT void orvane_designer_close()
{
    if (designerWindow)
        designerWindow->close();
}

} // extern "C"

// The signatures must match what the link resolves.
static_assert(std::is_same_v<decltype(&orvane_designer_open), OrvaneDesignerOpenFn>);
static_assert(std::is_same_v<decltype(&orvane_designer_update), OrvaneDesignerUpdateFn>);
static_assert(std::is_same_v<decltype(&orvane_designer_close), OrvaneDesignerCloseFn>);
static_assert(std::is_same_v<decltype(&orvane_designer_wall_facing), OrvaneDesignerWallFacingFn>);
