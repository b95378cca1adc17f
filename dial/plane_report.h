#pragma once
// A plane dial's report: per face its orientation, plate, style, gnomon,
// hour lines and date lines; then the notes and the lean.
#include "dial/report.h"

namespace orvane::dial {

Report planeReport(const ReportInput &in);

} // namespace orvane::dial
