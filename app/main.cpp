#include "cli/command_line.h"
#include "modules/module_loader.h"
#include "text/language.h"
#include "text/translation.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace {

using RunFn = int (*)(int *, char **);

// The window, and what paints, live in a module of their own, loaded only
// here: `entry` is "orvaneRunWindow" or "orvaneRunCommandLineWithPdf".
int runFromModule(const char *entry, int argc, char **argv)
{
    const std::vector<QFunctionPointer> f = orvane::loadModuleSymbols(
        orvane::moduleCandidates(orvane::programDir(), ORVANE_MODULE_PLACES(WINDOW)), {entry}, "window");
    if (f.empty()) {
        std::fprintf(stderr, "orvane: %s\n", qPrintable(orvane::moduleMissingText(QStringLiteral("window"))));
        return 1;
    }
    return reinterpret_cast<RunFn>(f[0])(&argc, argv);
}

// Whether the arguments choose only the language, which the window takes too.
bool onlyLanguage(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--language") == 0)
        return true;
    return argc == 2 && std::strncmp(argv[1], "--language=", 11) == 0;
}

bool asksForPdf(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--pdf") == 0 || std::strncmp(argv[i], "--pdf=", 6) == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (asksForPdf(argc, argv))
        return runFromModule("orvaneRunCommandLineWithPdf", argc, argv);
    // With arguments the program answers in the shell: no window, no display,
    // and no application object, which nothing here needs.
    if (argc > 1 && !onlyLanguage(argc, argv)) {
        // One answer matches each pattern once or twice: compiling them to
        // machine code would cost more than it saves.
        if (!qEnvironmentVariableIsSet("QT_ENABLE_REGEXP_JIT"))
            qputenv("QT_ENABLE_REGEXP_JIT", "0");
        QStringList args;
        for (int i = 1; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
        QTextStream out(stdout), err(stderr);
        return orvane::runCommandLine(args, out, err);
    }
    // Qt would abort with no platform to show the window on.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        QStringList args;
        for (int i = 1; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
        const QString asked = orvane::spokenLanguage(orvane::takeLanguageOption(args));
        orvane::useLanguage(asked.isEmpty() ? orvane::desktopLanguage() : asked);
        const QString message =
            orvane::translate("cli", "orvane: no display to open the window on; give options to answer in the shell "
                                     "(orvane --help), or choose a platform with QT_QPA_PLATFORM (such as "
                                     "QT_QPA_PLATFORM=offscreen).");
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        return 1;
    }
    return runFromModule("orvaneRunWindow", argc, argv);
}
