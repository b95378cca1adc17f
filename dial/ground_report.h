#pragma once
// A dial laid out on the ground: its marks as two tapes from the north-south
// line reach them, its date scale, the person as gnomon and the steps.
#include "dial/report.h"

namespace orvane::dial {

Report groundReport(const ReportInput &in);

} // namespace orvane::dial
