#pragma once
// Where a run-time module (the browser's, the field sheet's) is looked for.

#include <QString>
#include <QStringList>

#include <initializer_list>
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
std::vector<QFunctionPointer> loadModuleSymbols(const QStringList &candidates,
                                                std::initializer_list<const char *> symbols, const char *what);

// The browser module's candidates.
QStringList browserModuleCandidates(const QString &appDir);

} // namespace orvane
