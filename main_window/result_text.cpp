#include "result_text.h"

// Placeholder implementation.
namespace orvane {
QString DateLineText(double, const QLocale &) { return {}; }
QString TimeText(double, const QLocale &) { return {}; }
QString DeclinationText(double, const QLocale &) { return {}; }
QString SunDataText(double, double, double, const QLocale &) { return {}; }
QString EventsText(const Crossings &, double, const QLocale &) { return {}; }
QString ResultText(double, const Crossings &, double, const QLocale &) { return {}; }
} // namespace orvane
