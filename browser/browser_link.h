#pragma once
// The link between the main window and the browser window. The browser
// module (and with it the web engine) is loaded only on the first open.

#include <QString>

namespace orvane {

// Shows the single browser window (modeless, no owner, raised when already
// shown) and navigates it to `url`.
void openBrowser(const QString &url);

// Closes the browser window if it was ever opened; loads nothing otherwise.
void closeBrowser();

// Whether the browser module has been loaded in this process.
bool browserModuleLoaded();

} // namespace orvane
