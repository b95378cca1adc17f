#include "browser_link.h"

#include "browser_module_api.h"
#include "module_locator.h"
#include "sandbox_flags.h"
#include "share_context.h"

#include <QApplication>
#include <QLibrary>
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
    QStringList errors;
    for (const QString &path : browserModuleCandidates(QCoreApplication::applicationDirPath())) {
        QLibrary library(path);
        if (!library.load()) {
            errors << library.errorString();
            continue;
        }
        auto open = reinterpret_cast<OrvaneBrowserOpenFn>(library.resolve(kBrowserOpenSymbol));
        auto close = reinterpret_cast<OrvaneBrowserCloseFn>(library.resolve(kBrowserCloseSymbol));
        if (open && close) {
            loadedModule = Module{open, close};
            return true;
        }
        errors << QStringLiteral("%1: entry points missing").arg(path);
    }
    qWarning("orvane: cannot load the browser module:\n%s", qPrintable(errors.join('\n')));
    return false;
}

} // namespace

void openBrowser(const QString &url)
{
    if (!loadModule()) {
        // Without this the click would silently do nothing.
        QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Orvane"),
                             QStringLiteral("The browser window cannot be opened: its module "
                                            "is missing or damaged."));
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
