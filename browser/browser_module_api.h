#pragma once
// The entry points of the browser module, resolved at run time by the
// browser link. Plain C types only, so the two sides need not agree on more
// than these signatures.

#include "modules/module_api.h"

#include <tuple>

namespace orvane {

struct BrowserModuleApi {
    // Shows the browser window and navigates it to `utf8_url`.
    void (*open)(const char *utf8_url);
    // Closes the browser window if it is shown.
    void (*close)();

    static constexpr std::tuple symbols{ModuleSymbol{"orvane_browser_open", &BrowserModuleApi::open},
                                        ModuleSymbol{"orvane_browser_close", &BrowserModuleApi::close}};
};

} // namespace orvane
