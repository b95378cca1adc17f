#include "site_place.h"

#include "places/places.h"
#include "text/translation.h"

#include <QStringList>

#include <algorithm>

namespace orvane {

namespace {

constexpr qsizetype kMostCharacters = 200;
constexpr int kOthers = 3;

bool samePlace(const Place &a, const Place &b)
{
    return a.name == b.name && a.latitude == b.latitude && a.longitude == b.longitude;
}

} // namespace

PlaceChoice choosePlace(const QString &text)
{
    const QString name = text.trimmed();
    if (name.isEmpty())
        return {std::nullopt, translate("cli", "--place must name a town or city, such as Zurich or \"Paris, Texas\"")};
    if (text.size() > kMostCharacters)
        return {std::nullopt, translate("cli", "--place is longer than %1 characters").arg(kMostCharacters)};
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; }))
        return {std::nullopt, translate("cli", "--place holds a control character")};

    const QList<Place> found = findPlaces(name, 1);
    if (!placesError().isEmpty())
        return {std::nullopt, QStringLiteral("--place: ") + placesError(), 1};
    if (found.isEmpty()) {
        const QStringList nearest = nearestPlaceNames(name);
        return {
            std::nullopt,
            nearest.isEmpty()
                ? translate("cli", "no place named \"%1\"").arg(name)
                : translate("cli", "no place named \"%1\"; nearest: %2").arg(name, nearest.join(QStringLiteral(", ")))};
    }
    SitePlace site{found.front(), {}};
    for (const Place &p : placesNamed(name, kOthers + 1))
        if (!samePlace(p, site.place) && site.others.size() < kOthers)
            site.others << p;
    return {site, {}};
}

QString sitePlaceText(const SitePlace &site)
{
    QString text = translate("cli", "Place: %1").arg(placeDisplayText(site.place));
    if (site.place.population > 0)
        text += translate("cli", " (population %1)").arg(populationText(site.place.population));
    text += u'\n';
    if (!site.others.isEmpty()) {
        QStringList others;
        for (const Place &p : site.others)
            others << placeShortText(p);
        text += translate("cli", "Other places named %1: %2\n").arg(site.place.name, others.join(QStringLiteral("; ")));
    }
    return text;
}

void writeSitePlaceJson(JsonWriter &w, const SitePlace &site)
{
    const auto names = [&w](const Place &p) {
        w.value("name", p.name);
        w.value("region", p.region);
        w.value("country", p.countryName);
    };
    w.beginObject("place");
    names(site.place);
    w.value("population", int(std::min<qint64>(site.place.population, std::numeric_limits<int>::max())));
    w.beginArray("others");
    for (const Place &p : site.others) {
        w.beginObject(nullptr, true);
        names(p);
        w.endObject();
    }
    w.endArray();
    w.endObject();
}

} // namespace orvane
