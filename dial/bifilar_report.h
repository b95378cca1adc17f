#pragma once
// A bifilar dial's report: the plane dial's hour and date lines, with the
// wires, their posts and the hour lines' centre in place of the style.
#include "dial/report.h"

namespace orvane::dial {

Report bifilarReport(const ReportInput &in);

} // namespace orvane::dial
