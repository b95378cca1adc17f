#include "module_loader.h"

#include "text/translation.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <QDir>
#include <QLibrary>

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

std::vector<QFunctionPointer> loadModuleSymbols(const QStringList &candidates, const std::vector<const char *> &symbols,
                                                const char *what)
{
    QStringList errors;
    for (const QString &path : candidates) {
        QLibrary library(path);
        if (!library.load()) {
            errors << library.errorString();
            continue;
        }
        std::vector<QFunctionPointer> found;
        for (const char *symbol : symbols) {
            if (const QFunctionPointer address = library.resolve(symbol))
                found.push_back(address);
        }
        if (found.size() == symbols.size())
            return found;
        errors << QStringLiteral("%1: entry points missing").arg(path);
    }
    qWarning("orvane: cannot load the %s module:\n%s", what, qPrintable(errors.join(QLatin1Char('\n'))));
    return {};
}

QString programDir()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

QString moduleMissingText(const QString &what)
{
    // Whole sentences for the modules there are: a translation declines the
    // window's name with its sentence.
    static const struct {
        const char *what;
        const char *text;
    } known[] = {
        {"browser window",
         QT_TRANSLATE_NOOP("text", "The browser window cannot be opened: its module is missing or damaged.")},
        {"field sheet",
         QT_TRANSLATE_NOOP("text", "The field sheet cannot be opened: its module is missing or damaged.")},
        {"dial designer",
         QT_TRANSLATE_NOOP("text", "The dial designer cannot be opened: its module is missing or damaged.")},
        {"window", QT_TRANSLATE_NOOP("text", "The window cannot be opened: its module is missing or damaged.")},
    };
    for (const auto &k : known)
        if (what == QLatin1String(k.what))
            return translate("text", k.text);
    return translate("text", "The %1 cannot be opened: its module is missing or damaged.").arg(what);
}

} // namespace orvane
