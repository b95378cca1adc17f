#pragma once
// The program's own gazetteer, opened on the first look-up (from any
// thread), then kept; each look-up reads only the blocks of the index it
// needs. A missing or damaged file gives no place and a message in
// placesError(), never a crash.

#include "gazetteer.h"

namespace orvane {

// The gazetteer the look-ups below use.
const Gazetteer &gazetteer();

// Empty when the places could be read; else one line that says why not.
QString placesError();

// See Gazetteer::find(), named(), startingWith() and nearestNames().
QList<Place> findPlaces(const QString &query, int limit = 10);
QList<Place> placesNamed(const QString &query, int limit = 10);
QList<Place> placesStartingWith(const QString &prefix, int limit = 10);
QStringList nearestPlaceNames(const QString &query);

// Where the gazetteer's file is looked for, in order: $ORVANE_GAZETTEER,
// beside an installed program (../share/orvane), the build tree, then the
// configured install location.
QStringList gazetteerCandidates();

} // namespace orvane
