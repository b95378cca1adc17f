// Entry points of the run-time module that holds the browser window. Only
// this module links the web engine.

#include "browser_module_api.h"
#include "frm_browser.h"

#include <QCoreApplication>
#include <QPointer>
#include <QUrl>

#include <type_traits>

namespace {

QPointer<orvane::FrmBrowser> browserWindow;
bool cleanupRegistered = false;

void deleteWindow() { delete browserWindow.data(); }

orvane::FrmBrowser *Window()
{
    if (!browserWindow) {
        browserWindow = new orvane::FrmBrowser();
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, browserWindow.data(), &deleteWindow);
    }
    return browserWindow;
}

} // namespace

extern "C" {

Q_DECL_EXPORT void orvane_browser_open(const char *utf8_url)
{
    Window()->showAndNavigate(QUrl::fromUserInput(QString::fromUtf8(utf8_url)));
    // The web view must go before the engine's profile does. Post routines
    // run newest first, and the engine registers its own when the first page
    // is made, which has happened by now; this also covers an application
    // that ends without its event loop having run.
    if (!cleanupRegistered) {
        qAddPostRoutine(&deleteWindow);
        cleanupRegistered = true;
    }
}

Q_DECL_EXPORT void orvane_browser_close()
{
    if (browserWindow)
        browserWindow->close();
}

} // extern "C"

// The signatures must match what the link resolves.
static_assert(std::is_same_v<decltype(&orvane_browser_open), OrvaneBrowserOpenFn>);
static_assert(std::is_same_v<decltype(&orvane_browser_close), OrvaneBrowserCloseFn>);
