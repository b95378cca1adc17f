#pragma once
// A standing dial's check from --check-reading in the three forms of the
// command line's answer.
#include "field/dial_check.h"
#include "json_writer.h"

#include <QString>

namespace orvane {

// The key "check": the fit and each reading.
void writeCheckJson(JsonWriter &w, const DialCheck &check);
// The fit's figures, the advice and the readings' table.
QString checkText(const DialCheck &check);
// One row a reading: date,clock,dial,expected_dial,error_min,residual_min.
QString checkCsv(const DialCheck &check);

} // namespace orvane
