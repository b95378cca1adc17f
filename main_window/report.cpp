#include "report.h"

// Placeholder implementation.
namespace orvane {
QString ReportSiteLine(const ReportInputs &) { return {}; }
bool PaintReport(QPrinter &, const ReportInputs &) { return false; }
void PrintReport(QWidget *, const ReportInputs &) {}
} // namespace orvane
