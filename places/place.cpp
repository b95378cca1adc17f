#include "place.h"

#include <QLocale>
#include <QStringList>

namespace orvane {

namespace {

// "Name, Region, country"; without the region where it is unknown.
QString withRegion(const Place &place, const QString &country)
{
    QStringList parts{place.name};
    if (!place.region.isEmpty())
        parts << place.region;
    parts << country;
    return parts.join(QStringLiteral(", "));
}

} // namespace

QString placeDisplayText(const Place &place) { return withRegion(place, place.countryName); }

QString placeShortText(const Place &place) { return withRegion(place, place.countryCode); }

QString populationText(qint64 population)
{
    // English grouping whatever the user's locale: the texts around it are English.
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(population);
}

} // namespace orvane
