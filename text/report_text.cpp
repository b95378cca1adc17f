#include "report_text.h"

#include "result_text.h"
#include "translation.h"
#include "web_addresses.h"

#include <cmath>

namespace orvane {

QString reportNumberText(double value, const QLocale &locale)
{
    QLocale plain(locale);
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 15);
}

QString reportSiteLine(const ReportInputs &in, const QLocale &locale)
{
    // Zero counts as north; the east/west word comes from the option, not the sign.
    const QString north = in.latitude >= 0 ? translate("text", "North") : translate("text", "South");
    const QString east = in.west ? translate("text", "West") : translate("text", "East");
    const QString pattern = in.standardTime
                                ? translate("text", "Latitude %1 %2, Longitude %3 %4, Standard Time")
                                : translate("text", "Latitude %1 %2, Longitude %3 %4, Daylight Savings Time");
    return pattern.arg(reportNumberText(std::fabs(in.latitude), locale), north,
                       reportNumberText(std::fabs(in.longitude), locale), east);
}

QStringList reportHeaderLines()
{
    return {QStringLiteral("Orvane"), QStringLiteral("Tarnwick LLC, ") + QString::fromLatin1(kMakerAddress), QString()};
}

QStringList reportBodyLines(const ReportInputs &in, const QLocale &locale)
{
    QStringList lines{reportSiteLine(in, locale), QString()};
    lines += resultText(in.date, in.crossings, locale).split(QLatin1String(kCrLf));
    return lines;
}

} // namespace orvane
