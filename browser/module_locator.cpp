#include "module_locator.h"

#include <QDir>

namespace orvane {

QStringList browserModuleCandidates(const QString &app_dir) {
  const QString file = QStringLiteral(ORVANE_BROWSER_MODULE_FILE);
  QStringList paths;
  // An installed program finds its module beside it whatever the prefix
  // (a package installs to /usr, a plain install to /usr/local).
  if (!app_dir.isEmpty())
    paths << QDir::cleanPath(app_dir + QStringLiteral("/../" ORVANE_BROWSER_RELATIVE_DIR "/") + file);
  paths << QStringLiteral(ORVANE_BROWSER_BUILD_PATH)
        << QDir(QStringLiteral(ORVANE_BROWSER_INSTALL_DIR)).filePath(file);
  if (!app_dir.isEmpty())
    paths << QDir(app_dir).filePath(file);
  return paths;
}

} // namespace orvane
