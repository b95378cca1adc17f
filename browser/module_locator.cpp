#include "module_locator.h"

#include <QDir>

namespace orvane {

QStringList moduleCandidates(const QString &appDir, const ModulePlaces &places)
{
    QStringList paths;
    // An installed program finds its module beside it whatever the prefix
    // (a package installs to /usr, a plain install to /usr/local).
    if (!appDir.isEmpty())
        paths << QDir::cleanPath(appDir + QStringLiteral("/../") + places.relativeDir + QLatin1Char('/') +
                                 places.fileName);
    paths << places.buildPath << QDir(places.installDir).filePath(places.fileName);
    if (!appDir.isEmpty())
        paths << QDir(appDir).filePath(places.fileName);
    return paths;
}

QStringList browserModuleCandidates(const QString &appDir)
{
    return moduleCandidates(
        appDir, ModulePlaces{QStringLiteral(ORVANE_BROWSER_MODULE_FILE), QStringLiteral(ORVANE_BROWSER_BUILD_PATH),
                             QStringLiteral(ORVANE_BROWSER_INSTALL_DIR), QStringLiteral(ORVANE_BROWSER_RELATIVE_DIR)});
}

} // namespace orvane
