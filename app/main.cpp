#include "cli/command_line.h"
#include "main_window/sundial_input.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // With arguments the program answers in the shell: no window, no display.
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout), err(stderr);
        return orvane::runCommandLine(QCoreApplication::arguments().mid(1), out, err);
    }
    // Qt would abort with no platform to show the window on.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("orvane: no display to open the window on; give options to answer in the shell (orvane --help), "
                   "or choose a platform with QT_QPA_PLATFORM (such as QT_QPA_PLATFORM=offscreen).\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    orvane::Sundial_Input window;
    window.show();
    return app.exec();
}
