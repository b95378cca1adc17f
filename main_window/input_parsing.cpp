#include "input_parsing.h"

// Placeholder implementation.
namespace orvane {
std::optional<double> ParseDateText(const QString &, const QLocale &) { return std::nullopt; }
std::optional<double> ConvertNumberText(const QString &, const QLocale &) { return std::nullopt; }
double LeadingNumberValue(const QString &) { return 0; }
} // namespace orvane
