#pragma once
// The "site" object every JSON answer starts with.

#include "field/field_data.h"
#include "json_writer.h"

namespace orvane {

// The date, the coordinates and the clock; `zoneName` when the clock came from one.
void writeSiteJson(JsonWriter &w, const FieldInputs &in, const QString &zoneName);

} // namespace orvane
