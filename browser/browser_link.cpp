#include "browser_link.h"

#include "browser_module_api.h"
#include "modules/module_link.h"
#include "sandbox_flags.h"
#include "share_context.h"

namespace orvane {

namespace {

// The library is never unloaded: the web engine cannot be shut down and
// started again within one process.
ModuleLink<BrowserModuleApi> &module()
{
    static ModuleLink<BrowserModuleApi> link(ORVANE_MODULE_PLACES(BROWSER), QStringLiteral("browser window"));
    return link;
}

} // namespace

void openBrowser(const QString &url)
{
    if (!module().loaded()) {
        // Before the engine is loaded, which reads both.
        disableSandboxIfRoot();
        ensureShareContext();
    }
    if (const BrowserModuleApi *api = module().open())
        api->open(url.toUtf8().constData());
}

void closeBrowser()
{
    if (const BrowserModuleApi *api = module().loaded())
        api->close();
}

bool browserModuleLoaded() { return module().loaded() != nullptr; }

} // namespace orvane
