#include "place.h"

#include <QLocale>
#include <QStringList>

namespace orvane {

QString placeDisplayText(const Place &place)
{
    QStringList parts{place.name};
    if (!place.region.isEmpty())
        parts << place.region;
    parts << place.countryName;
    return parts.join(QStringLiteral(", "));
}

QString placeShortText(const Place &place)
{
    QStringList parts{place.name};
    if (!place.region.isEmpty())
        parts << place.region;
    parts << place.countryCode;
    return parts.join(QStringLiteral(", "));
}

QString populationText(qint64 population)
{
    // English grouping whatever the user's locale: the texts around it are English.
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(population);
}

} // namespace orvane
