#include "module_locator.h"

#include <QDir>

namespace orvane {

QStringList browserModuleCandidates(const QString &appDir)
{
    const QString file = QStringLiteral(ORVANE_BROWSER_MODULE_FILE);
    QStringList paths;
    // An installed program finds its module beside it whatever the prefix
    // (a package installs to /usr, a plain install to /usr/local).
    if (!appDir.isEmpty())
        paths << QDir::cleanPath(appDir + QStringLiteral("/../" ORVANE_BROWSER_RELATIVE_DIR "/") + file);
    paths << QStringLiteral(ORVANE_BROWSER_BUILD_PATH)
          << QDir(QStringLiteral(ORVANE_BROWSER_INSTALL_DIR)).filePath(file);
    if (!appDir.isEmpty())
        paths << QDir(appDir).filePath(file);
    return paths;
}

} // namespace orvane
