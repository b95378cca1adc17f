#include "browser_link.h"

// Placeholder until the browser module lands.
namespace orvane {
void PrepareBrowserSupport() {}
void OpenBrowser(const QString &) {}
void CloseBrowser() {}
bool BrowserModuleLoaded() { return false; }
} // namespace orvane
