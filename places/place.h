#pragma once
// One place of the gazetteer, as the command line and the window show it.

#include "dial/noop.h"

#include <QString>

namespace orvane {

// The data's credit, which its licence asks for wherever the names are shown.
inline constexpr char kPlaceNamesCredit[] = ORVANE_NOOP("text", "Place names from GeoNames (geonames.org), CC BY 4.0");

struct Place {
    QString name;         // as the place writes it: "Zürich"
    QString asciiName;    // the same in plain letters: "Zurich"
    QString region;       // the first-level division ("Texas"), empty where unknown
    QString countryCode;  // ISO 3166-1 alpha-2: "CH"
    QString countryName;  // in English: "Switzerland"
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    qint64 population = 0;
    QString zone; // IANA name: "Europe/Zurich"
};

// "Paris, Île-de-France, France"; without the region where it is unknown.
QString placeDisplayText(const Place &place);

// "Springfield, Missouri, US": short, for lists of places of one name.
QString placeShortText(const Place &place);

// The population with thousands grouped: "341,730".
QString populationText(qint64 population);

} // namespace orvane
