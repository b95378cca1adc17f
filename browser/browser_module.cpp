// Entry points of the run-time module that holds the browser window. Only
// this module links the web engine.

#include "browser_module_api.h"
#include "frm_browser.h"
#include "modules/module_window.h"

#include <QUrl>

#include <type_traits>

namespace {

using Browser = orvane::ModuleWindow<orvane::FrmBrowser>;

} // namespace

extern "C" {

Q_DECL_EXPORT void orvane_browser_open(const char *utf8_url)
{
    Browser::get()->showAndNavigate(QUrl::fromUserInput(QString::fromUtf8(utf8_url)));
    // The web view must go before the engine's profile does. The engine
    // registers its own post routine when the first page is made, which has
    // happened by now.
    Browser::deleteAtExit();
}

Q_DECL_EXPORT void orvane_browser_close() { Browser::close(); }

} // extern "C"

// The signatures must match what the link resolves.
static_assert(std::is_same_v<decltype(&orvane_browser_open), decltype(orvane::BrowserModuleApi::open)>);
static_assert(std::is_same_v<decltype(&orvane_browser_close), decltype(orvane::BrowserModuleApi::close)>);
