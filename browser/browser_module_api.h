#pragma once
// The C entry points of the browser module, resolved at run time by the
// browser link. Plain C types only, so the two sides need not agree on more
// than these signatures.

extern "C" {

// Shows the browser window and navigates it to `utf8_url`.
using OrvaneBrowserOpenFn = void (*)(const char *utf8_url);
// Closes the browser window if it is shown.
using OrvaneBrowserCloseFn = void (*)();

} // extern "C"

namespace orvane {
inline constexpr char kBrowserOpenSymbol[] = "orvane_browser_open";
inline constexpr char kBrowserCloseSymbol[] = "orvane_browser_close";
} // namespace orvane
