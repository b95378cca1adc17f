#pragma once
// A plane dial's report: per face its orientation, plate, style, gnomon,
// hour lines and date lines; then the notes and the lean.
#include "dial/report.h"

namespace orvane::dial {

Report planeReport(const ReportInput &in);

// The text's line for a note, "\nNote: ...\n", the note in its own words.
TextBlock noteLine(const Value &note);
// The pattern of the text's line for the lean, which a kind without a style drops.
extern const char *const kLeanLine;
// The line above the figures of a dial whose plate's millimetres run from
// the nodus's foot.
std::string axesWords(const DialKind &kind);

} // namespace orvane::dial
