#pragma once
// The "site" object every JSON answer starts with.

#include "field/compass_words.h"
#include "field/field_data.h"
#include "json_writer.h"
#include "site_place.h"

#include <optional>

namespace orvane {

// The date, the coordinates and the clock; `zoneName` when the clock came
// from one; `place` when --place named the site; `compass` with --magnetic.
void writeSiteJson(JsonWriter &w, const FieldInputs &in, const QString &zoneName,
                   const std::optional<SitePlace> &place = std::nullopt,
                   const std::optional<CompassReading> &compass = std::nullopt);

} // namespace orvane
