#pragma once
// A site chosen by name with --place: the place, the others of that name,
// and how the answers name them.

#include "json_writer.h"
#include "places/place.h"

#include <QList>
#include <QString>

#include <optional>

namespace orvane {

struct SitePlace {
    Place place;
    QList<Place> others; // up to three more of the very same name, most populous first
};

struct PlaceChoice {
    std::optional<SitePlace> site;
    QString error;  // one line, when there is no site
    int status = 2; // with `error`: 2 for the text given, 1 when the place names cannot be read
};

// The most populous place that --place's `text` names (see Gazetteer::find()).
PlaceChoice choosePlace(const QString &text);

// "Place: Zürich, Zurich, Switzerland (population 341,730)", then a line
// naming the others of that name, if any.
QString sitePlaceText(const SitePlace &site);

// "place": the name, region, country, population and the others.
void writeSitePlaceJson(JsonWriter &w, const SitePlace &site);

} // namespace orvane
