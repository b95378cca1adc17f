#include "field_sheet_link.h"
#include "sheet_module_api.h"

#include "modules/module_loader.h"

#include <QApplication>
#include <QMessageBox>

namespace orvane {

namespace {

struct Module {
    OrvaneSheetOpenFn open = nullptr;
    OrvaneSheetUpdateFn update = nullptr;
    OrvaneSheetCloseFn close = nullptr;
};

Module loadedModule;
std::function<void()> timeLinkAction;
std::function<void(std::optional<double>)> wallListener;

void tellWall(int known, double facingDeg)
{
    if (wallListener)
        wallListener(known ? std::optional<double>(facingDeg) : std::nullopt);
}

void followTimeLink()
{
    if (timeLinkAction)
        timeLinkAction();
}

// Loads the module on first use; it stays loaded for the process's life.
bool loadModule()
{
    if (loadedModule.open)
        return true;
    const std::vector<QFunctionPointer> f = loadModuleSymbols(
        moduleCandidates(programDir(), ORVANE_MODULE_PLACES(SHEET)),
        {kSheetOpenSymbol, kSheetUpdateSymbol, kSheetCloseSymbol, kSheetSetWallListenerSymbol}, "field sheet");
    if (f.empty())
        return false;
    loadedModule = Module{reinterpret_cast<OrvaneSheetOpenFn>(f[0]), reinterpret_cast<OrvaneSheetUpdateFn>(f[1]),
                          reinterpret_cast<OrvaneSheetCloseFn>(f[2])};
    reinterpret_cast<OrvaneSheetSetWallListenerFn>(f[3])(&tellWall);
    return true;
}

} // namespace

void openFieldSheet(const SheetRequest &request, std::function<void()> openTimePage)
{
    if (!loadModule()) {
        // Without this the click would silently do nothing.
        QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Orvane"),
                             moduleMissingText(QStringLiteral("field sheet")));
        return;
    }
    timeLinkAction = std::move(openTimePage);
    const QByteArray zone = zoneIdOf(request);
    const OrvaneSheetRequest c = toC(request, zone);
    loadedModule.open(&c, &followTimeLink);
}

void updateFieldSheet(const SheetRequest &request)
{
    if (!loadedModule.update)
        return;
    const QByteArray zone = zoneIdOf(request);
    const OrvaneSheetRequest c = toC(request, zone);
    loadedModule.update(&c);
}

void closeFieldSheet()
{
    if (loadedModule.close)
        loadedModule.close();
    timeLinkAction = nullptr;
}

void setFieldSheetWallListener(std::function<void(std::optional<double>)> listener)
{
    wallListener = std::move(listener);
}

bool fieldSheetModuleLoaded() { return loadedModule.open != nullptr; }

} // namespace orvane
