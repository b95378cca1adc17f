#pragma once
// Where a run-time module (the browser's, the field sheet's) is looked for.

#include <QString>
#include <QStringList>

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

// The browser module's candidates.
QStringList browserModuleCandidates(const QString &appDir);

} // namespace orvane
