#include "browser/browser_link.h"
#include "main_window/sundial_input.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    orvane::Sundial_Input window;
    window.show();
    return app.exec();
}
