#include "cli/command_line.h"
#include "main_window/sundial_input.h"

#include <QApplication>
#include <QCoreApplication>


int main(int argc, char **argv)
{
    // With arguments the program answers in the shell: no window, no display.
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout), err(stderr);
        return orvane::runCommandLine(QCoreApplication::arguments().mid(1), out, err);
    }
    QApplication app(argc, argv);
    orvane::Sundial_Input window;
    window.show();
    return app.exec();
}
