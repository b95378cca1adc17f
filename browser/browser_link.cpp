#include "browser_link.h"

#include "browser_module_api.h"
#include "modules/module_loader.h"
#include "sandbox_flags.h"
#include "share_context.h"

#include <QApplication>
#include <QMessageBox>

namespace orvane {

namespace {

struct Module {
    OrvaneBrowserOpenFn open = nullptr;
    OrvaneBrowserCloseFn close = nullptr;
};

Module loadedModule;

// Loads the module on first use. The library is never unloaded: the web
// engine cannot be shut down and started again within one process.
bool loadModule()
{
    if (loadedModule.open)
        return true;
    disableSandboxIfRoot();
    ensureShareContext();
    const std::vector<QFunctionPointer> f =
        loadModuleSymbols(moduleCandidates(programDir(), ORVANE_MODULE_PLACES(BROWSER)),
                          {kBrowserOpenSymbol, kBrowserCloseSymbol}, "browser");
    if (f.empty())
        return false;
    loadedModule = Module{reinterpret_cast<OrvaneBrowserOpenFn>(f[0]), reinterpret_cast<OrvaneBrowserCloseFn>(f[1])};
    return true;
}

} // namespace

void openBrowser(const QString &url)
{
    if (!loadModule()) {
        // Without this the click would silently do nothing.
        QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Orvane"),
                             moduleMissingText(QStringLiteral("browser window")));
        return;
    }
    loadedModule.open(url.toUtf8().constData());
}

void closeBrowser()
{
    if (loadedModule.close)
        loadedModule.close();
}

bool browserModuleLoaded() { return loadedModule.open != nullptr; }

} // namespace orvane
