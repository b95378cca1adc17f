#pragma once
// The answer for a dial laid out on the ground: its marks as two tapes from
// the north-south line reach them, its date scale and the person as gnomon.

#include "dial_data.h"
#include "json_writer.h"

#include <QString>

namespace orvane {

// The "dial" object's members after its "type".
void groundJson(JsonWriter &w, const DialData &d);

// The figures, the staking table, the date scale, the gnomon and the steps.
QString groundText(const DialData &d);

// hour,label,x_m,y_m,from_centre_m,from_noon_m,side
QString groundCsv(const DialData &d);

} // namespace orvane
