#include "dial_designer_link.h"
#include "designer_module_api.h"

#include "modules/module_loader.h"

#include <QApplication>
#include <QMessageBox>

namespace orvane {

namespace {

struct Module {
    OrvaneDesignerOpenFn open = nullptr;
    OrvaneDesignerUpdateFn update = nullptr;
    OrvaneDesignerCloseFn close = nullptr;
    OrvaneDesignerWallFacingFn wallFacing = nullptr;
};

Module loadedModule;

// Loads the module on first use; it stays loaded for the process's life.
bool loadModule()
{
    if (loadedModule.open)
        return true;
    const std::vector<QFunctionPointer> f = loadModuleSymbols(
        moduleCandidates(programDir(), ORVANE_MODULE_PLACES(DESIGNER)),
        {kDesignerOpenSymbol, kDesignerUpdateSymbol, kDesignerCloseSymbol, kDesignerWallFacingSymbol}, "dial designer");
    if (f.empty())
        return false;
    loadedModule =
        Module{reinterpret_cast<OrvaneDesignerOpenFn>(f[0]), reinterpret_cast<OrvaneDesignerUpdateFn>(f[1]),
               reinterpret_cast<OrvaneDesignerCloseFn>(f[2]), reinterpret_cast<OrvaneDesignerWallFacingFn>(f[3])};
    return true;
}

} // namespace

void openDialDesigner(const DesignerRequest &request)
{
    if (!loadModule()) {
        // Without this the click would silently do nothing.
        QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Orvane"),
                             moduleMissingText(QStringLiteral("dial designer")));
        return;
    }
    const QByteArray zone = zoneIdOf(request);
    const OrvaneDesignerRequest c = toC(request, zone);
    loadedModule.open(&c);
}

void updateDialDesigner(const DesignerRequest &request)
{
    if (!loadedModule.update)
        return;
    const QByteArray zone = zoneIdOf(request);
    const OrvaneDesignerRequest c = toC(request, zone);
    loadedModule.update(&c);
}

void closeDialDesigner()
{
    if (loadedModule.close)
        loadedModule.close();
}

void setDialDesignerWallFacing(double facingDeg)
{
    if (loadedModule.wallFacing)
        loadedModule.wallFacing(facingDeg);
}

bool dialDesignerModuleLoaded() { return loadedModule.open != nullptr; }

} // namespace orvane
