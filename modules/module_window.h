#pragma once
// The module's side: the one window of a run-time window module, made on
// first use and deleted when the application quits. Header only, for the
// modules themselves.

#include <QCoreApplication>
#include <QPointer>

namespace orvane {

template <typename Window>
class ModuleWindow {
public:
    // The window, made on the first call.
    static Window *get()
    {
        if (!window_) {
            window_ = new Window();
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, window_.data(), &deleteWindow);
        }
        return window_;
    }

    // The window if it was made, else null.
    static Window *existing() { return window_.data(); }
    // The window if it is shown, else null.
    static Window *shown() { return window_ && window_->isVisible() ? window_.data() : nullptr; }

    // Shows the window raised and active, making it first if need be.
    static Window *showRaised()
    {
        Window *w = get();
        w->show();
        w->raise();
        w->activateWindow();
        return w;
    }

    // Closes the window if it was made.
    static void close()
    {
        if (window_)
            window_->close();
    }

    // Deletes the window also where the application ends without its event
    // loop having run. Post routines run newest first: call this after
    // whatever the window must go before has registered its own.
    static void deleteAtExit()
    {
        if (!deleteAtExit_)
            qAddPostRoutine(&deleteWindow);
        deleteAtExit_ = true;
    }

private:
    static void deleteWindow() { delete window_.data(); }

    static inline QPointer<Window> window_;
    static inline bool deleteAtExit_ = false;
};

} // namespace orvane
