#pragma once
// The OpenGL context that the web engine shares with the application.

namespace orvane {

// Makes the application's global share context if there is none yet. The
// engine refuses to start without one, and looks for it as soon as its
// library is loaded, so call this before loading the browser module. The
// main window draws without OpenGL, so this is left to the first link click
// instead of costing every start a GL driver. Returns whether the context
// could be made (the engine then renders without GPU help).
bool ensureShareContext();

} // namespace orvane
