#include "places.h"
#include "text/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orvane {

namespace {

QString programDir()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

Gazetteer readGazetteer()
{
    const QStringList candidates = gazetteerCandidates();
    for (const QString &path : candidates)
        if (QFileInfo::exists(path))
            return Gazetteer::fromFile(path);
    return Gazetteer::unavailable(
        translate("text", "the place names file is missing: looked for %1").arg(candidates.join(QStringLiteral(", "))));
}

} // namespace

QStringList gazetteerCandidates()
{
    QStringList paths;
    if (const QString own = qEnvironmentVariable("ORVANE_GAZETTEER"); !own.isEmpty())
        return {own};
    paths << QDir::cleanPath(programDir() +
                             QStringLiteral("/../" ORVANE_GAZETTEER_RELATIVE_DIR "/" ORVANE_GAZETTEER_FILE))
          << QStringLiteral(ORVANE_GAZETTEER_BUILD_PATH)
          << QStringLiteral(ORVANE_GAZETTEER_INSTALL_DIR "/" ORVANE_GAZETTEER_FILE);
    return paths;
}

const Gazetteer &gazetteer()
{
    // Read once, by whichever thread asks first; the others wait for it.
    static const Gazetteer g = readGazetteer();
    return g;
}

QString placesError() { return gazetteer().error(); }

QList<Place> findPlaces(const QString &query, int limit) { return gazetteer().find(query, limit); }

QList<Place> placesNamed(const QString &query, int limit) { return gazetteer().named(query, limit); }

QList<Place> placesStartingWith(const QString &prefix, int limit) { return gazetteer().startingWith(prefix, limit); }

QStringList nearestPlaceNames(const QString &query) { return gazetteer().nearestNames(query); }

} // namespace orvane
