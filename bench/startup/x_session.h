#pragma once
// The X side of the measurements: top-level windows being mapped, a
// window's picture and a synthetic mouse click.

#include "link_finder.h"

#include <X11/Xlib.h>

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

struct MappedWindow {
    Window window = 0;
    Clock::time_point when;
};

class XSession {
public:
    XSession();
    ~XSession();
    XSession(const XSession &) = delete;
    XSession &operator=(const XSession &) = delete;

    bool ok() const { return display_ != nullptr; }
    bool hasXTest() const { return xtest_; }

    // Throws away events of earlier runs.
    void discardEvents();

    // Waits for a managed (not override-redirect) child of the root window
    // of process pid, other than those in skip, to be mapped. Without a
    // window manager the MapNotify comes as soon as the program maps it.
    // window is 0 on timeout.
    MappedWindow waitForTopLevelMap(pid_t pid, const std::vector<Window> &skip, std::chrono::milliseconds limit);

    // A picture of the window's current contents.
    bool grab(Window window, int &width, int &height, std::vector<Rgb> &pixels);

    // The window's caption (WM_NAME).
    std::string title(Window window);

    // Left click at a point of the window; returns when the press was sent.
    Clock::time_point click(Window window, int x, int y);

private:
    pid_t windowPid(Window window);

    Display *display_ = nullptr;
    Window root_ = 0;
    Atom pidAtom_ = 0;
    bool xtest_ = false;
};

} // namespace bench
