#pragma once
// Where the browser module is looked for.

#include <QString>
#include <QStringList>

namespace orvane {

// The candidate paths of the browser module, in the order they are tried:
// the build tree, the install location, then `appDir`.
QStringList browserModuleCandidates(const QString &appDir);

} // namespace orvane
