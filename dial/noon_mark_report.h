#pragma once
// A noon mark put in words: where its line and its dates lie from the foot
// under the hole, the spot's size each day, and how to lay it out.
#include "dial/report.h"

namespace orvane::dial {

Report noonMarkReport(const ReportInput &in);

} // namespace orvane::dial
