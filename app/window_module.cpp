// The window as a run-time module: the program maps Qt Widgets, Gui and
// the rest only when it opens its window, never to answer on the command
// line.
#include "cli/command_line.h"
#include "cli/dial_files.h"
#include "dial_pdf.h"
#include "main_window/sundial_input.h"
#include "text/language.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QTextStream>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

extern "C" Q_DECL_EXPORT int orvaneRunWindow(int *argc, char **argv)
{
    QApplication app(*argc, argv);
    QStringList args = QApplication::arguments();
    const QString asked = orvane::spokenLanguage(orvane::takeLanguageOption(args));
    const QString kept = orvane::keptWindowLanguage();
    orvane::useLanguage(!asked.isEmpty() ? asked : !kept.isEmpty() ? kept : orvane::desktopLanguage());
    // A language chosen by name names the days and months too.
    if (!asked.isEmpty() || !kept.isEmpty())
        QLocale::setDefault(orvane::localeSpeaking(orvane::languageInUse(), QLocale::system()));
    orvane::Sundial_Input window;
    window.show();
    return app.exec();
}

// The command line when it is to paint a PDF: painting needs Qt Gui and
// fonts, though never a display.
extern "C" Q_DECL_EXPORT int orvaneRunCommandLineWithPdf(int *argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt Gui would warn about the missing folder and make the same one itself.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/runtime-" + QByteArray::number(getuid());
        if (mkdir(dir.constData(), 0700) == 0 || errno == EEXIST)
            qputenv("XDG_RUNTIME_DIR", dir);
    }
    QGuiApplication app(*argc, argv);
    orvane::setDialPdfWriter(orvane::paintDialPdf);
    QTextStream out(stdout), err(stderr);
    return orvane::runCommandLine(QGuiApplication::arguments().mid(1), out, err);
}
