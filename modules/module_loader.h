#pragma once
// Finding and loading the run-time modules (the window, the browser, the
// field sheet, the dial designer): where each is looked for, its entry points, and the one
// message when it cannot be had. Qt Core only.

#include <QString>
#include <QStringList>

#include <vector>

namespace orvane {

struct ModulePlaces {
    QString fileName;    // the module's file name
    QString buildPath;   // where the build tree puts it
    QString installDir;  // where an install to the configured prefix puts it
    QString relativeDir; // that folder relative to the prefix, e.g. "lib/orvane"
};

// The candidate paths of a module, in the order they are tried: beside the
// program (appDir/../relativeDir), the build tree, the install location,
// then `appDir` itself.
QStringList moduleCandidates(const QString &appDir, const ModulePlaces &places);

// Loads the first candidate that loads and has every symbol, and returns
// their addresses in the order asked; empty, after a warning that names
// `what` and every failure, when none does. The library stays loaded.
std::vector<QFunctionPointer> loadModuleSymbols(const QStringList &candidates, const std::vector<const char *> &symbols,
                                                const char *what);

// The folder of the running program, also before an application object
// exists (the window's module is loaded before its QApplication).
QString programDir();

// "The browser window cannot be opened: its module is missing or damaged."
QString moduleMissingText(const QString &what);

} // namespace orvane

// A module's places from the compile definitions that orvane_module_places()
// in CMake gives its loader: ORVANE_<NAME>_MODULE_FILE and the rest.
#define ORVANE_MODULE_PLACES(NAME)                                                                                     \
    ::orvane::ModulePlaces                                                                                             \
    {                                                                                                                  \
        QStringLiteral(ORVANE_##NAME##_MODULE_FILE), QStringLiteral(ORVANE_##NAME##_BUILD_PATH),                       \
            QStringLiteral(ORVANE_##NAME##_INSTALL_DIR), QStringLiteral(ORVANE_##NAME##_RELATIVE_DIR)                  \
    }
