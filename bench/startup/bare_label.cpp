// The reference for start-up time and memory: the least a Qt Widgets
// program can show.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Hello"));
    label.setWindowTitle(QStringLiteral("Bare label"));
    label.show();
    return app.exec();
}
