// The least a Qt Core program does: start, print one line, end. The
// command line's answer is measured against it.
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "one line\n";
    return 0;
}
