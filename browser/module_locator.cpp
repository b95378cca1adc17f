#include "module_locator.h"

#include <QDir>

namespace orvane {

QStringList BrowserModuleCandidates(const QString &app_dir) {
  const QString file = QStringLiteral(ORVANE_BROWSER_MODULE_FILE);
  QStringList paths{QStringLiteral(ORVANE_BROWSER_BUILD_PATH),
                    QDir(QStringLiteral(ORVANE_BROWSER_INSTALL_DIR)).filePath(file)};
  if (!app_dir.isEmpty())
    paths << QDir(app_dir).filePath(file);
  return paths;
}

} // namespace orvane
