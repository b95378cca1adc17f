// The window as a run-time module: the program maps Qt Widgets, Gui and
// the rest only when it opens its window, never to answer on the command
// line.
#include "main_window/sundial_input.h"

#include <QApplication>

extern "C" Q_DECL_EXPORT int orvaneRunWindow(int *argc, char **argv)
{
    QApplication app(*argc, argv);
    orvane::Sundial_Input window;
    window.show();
    return app.exec();
}
