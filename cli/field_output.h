#pragma once
// The three forms of the command line's answer, from one field data.

#include "field/compass_words.h"
#include "field/field_data.h"
#include "site_place.h"

#include <QLocale>
#include <QString>

namespace orvane {

// The site, the window's result text (in `locale`, CR LF kept), the events,
// the rows around them, the days, the mark and the warnings. `zoneName` is
// the IANA name when the clock came from one; `place` the place --place named.
QString fieldJson(const FieldData &d, const QString &zoneName, const QLocale &locale,
                  const std::optional<SitePlace> &place = std::nullopt,
                  const std::optional<CompassReading> &compass = std::nullopt);

// The days table with a header row; never-seen events leave their cells empty.
QString fieldCsv(const FieldData &d);

// The window's result text, then the field data in aligned columns; the
// compass's line under the site's with --magnetic.
QString fieldText(const FieldData &d, const QString &zoneName, const QLocale &locale,
                  const std::optional<SitePlace> &place = std::nullopt,
                  const std::optional<CompassReading> &compass = std::nullopt);

} // namespace orvane
