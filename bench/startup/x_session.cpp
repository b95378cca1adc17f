#include "x_session.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <poll.h>
#include <thread>

namespace bench {

namespace {

int channelOf(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (!(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    const unsigned long value = (pixel >> shift) & mask;
    return static_cast<int>(value * 255 / mask);
}

} // namespace

XSession::XSession()
{
    display_ = XOpenDisplay(nullptr);
    if (!display_)
        return;
    root_ = DefaultRootWindow(display_);
    pidAtom_ = XInternAtom(display_, "_NET_WM_PID", False);
    int event = 0, error = 0, major = 0, minor = 0;
    xtest_ = XTestQueryExtension(display_, &event, &error, &major, &minor);
    // Selected before any program starts, so that no map is missed.
    XSelectInput(display_, root_, SubstructureNotifyMask);
    XSync(display_, False);
}

XSession::~XSession()
{
    if (display_)
        XCloseDisplay(display_);
}

void XSession::discardEvents() { XSync(display_, True); }

pid_t XSession::windowPid(Window window)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    pid_t pid = 0;
    if (XGetWindowProperty(display_, window, pidAtom_, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data && format == 32 && count == 1)
        pid = static_cast<pid_t>(*reinterpret_cast<unsigned long *>(data));
    if (data)
        XFree(data);
    return pid;
}

MappedWindow XSession::waitForTopLevelMap(pid_t pid, const std::vector<Window> &skip, std::chrono::milliseconds limit)
{
    const auto end = Clock::now() + limit;
    while (true) {
        while (XPending(display_)) {
            XEvent ev;
            XNextEvent(display_, &ev);
            const auto when = Clock::now();
            if (ev.type != MapNotify || ev.xmap.event != root_ || ev.xmap.override_redirect)
                continue;
            const Window w = ev.xmap.window;
            bool skipped = false;
            for (Window s : skip)
                skipped = skipped || s == w;
            // A window without the property is taken: only our program runs here.
            const pid_t owner = windowPid(w);
            if (!skipped && (owner == 0 || owner == pid))
                return {w, when};
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        if (left.count() <= 0)
            return {};
        pollfd fd{ConnectionNumber(display_), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(std::min<long long>(left.count(), 50)));
    }
}

bool XSession::grab(Window window, int &width, int &height, std::vector<Rgb> &pixels)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display_, window, &attributes))
        return false;
    width = attributes.width;
    height = attributes.height;
    XImage *image = XGetImage(display_, window, 0, 0, width, height, AllPlanes, ZPixmap);
    if (!image)
        return false;
    pixels.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            pixels[static_cast<std::size_t>(y) * width + x] =
                Rgb{channelOf(p, image->red_mask), channelOf(p, image->green_mask), channelOf(p, image->blue_mask)};
        }
    XDestroyImage(image);
    return true;
}

std::string XSession::title(Window window)
{
    char *name = nullptr;
    std::string title;
    if (XFetchName(display_, window, &name) && name)
        title = name;
    if (name)
        XFree(name);
    return title;
}

Clock::time_point XSession::click(Window window, int x, int y)
{
    int rootX = 0, rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display_, window, root_, x, y, &rootX, &rootY, &child);
    XTestFakeMotionEvent(display_, DefaultScreen(display_), rootX, rootY, CurrentTime);
    XSync(display_, False);
    // Let the program see the pointer arrive, as a hand would.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const auto pressed = Clock::now();
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XFlush(display_);
    return pressed;
}

} // namespace bench
