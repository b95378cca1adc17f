// Entry points of the run-time module that holds the browser window. Only
// this module links the web engine.

#include "browser_module_api.h"
#include "frm_browser.h"

#include <QCoreApplication>
#include <QPointer>
#include <QUrl>

#include <type_traits>

namespace {

QPointer<orvane::FrmBrowser> g_window;
bool g_cleanup_registered = false;

void deleteWindow() { delete g_window.data(); }

orvane::FrmBrowser *Window() {
  if (!g_window) {
    g_window = new orvane::FrmBrowser();
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, g_window.data(), &deleteWindow);
  }
  return g_window;
}

} // namespace

extern "C" {

Q_DECL_EXPORT void orvane_browser_open(const char *utf8_url) {
  Window()->showAndNavigate(QUrl::fromUserInput(QString::fromUtf8(utf8_url)));
  // The web view must go before the engine's profile does. Post routines
  // run newest first, and the engine registers its own when the first page
  // is made, which has happened by now; this also covers an application
  // that ends without its event loop having run.
  if (!g_cleanup_registered) {
    qAddPostRoutine(&deleteWindow);
    g_cleanup_registered = true;
  }
}

Q_DECL_EXPORT void orvane_browser_close() {
  if (g_window)
    g_window->close();
}

} // extern "C"

// The signatures must match what the link resolves.
static_assert(std::is_same_v<decltype(&orvane_browser_open), OrvaneBrowserOpenFn>);
static_assert(std::is_same_v<decltype(&orvane_browser_close), OrvaneBrowserCloseFn>);
