#include "report_text.h"

#include "result_text.h"
#include "web_addresses.h"
#include "wording.h"

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
    return QStringLiteral("Latitude ") + reportNumberText(std::fabs(in.latitude), locale) + u' ' +
           firstUpper(compassName(latitudeSide(in.latitude))) + QStringLiteral(", Longitude ") +
           reportNumberText(std::fabs(in.longitude), locale) + u' ' +
           firstUpper(compassName(in.west ? Compass::West : Compass::East)) +
           (in.standardTime ? QStringLiteral(", Standard Time") : QStringLiteral(", Daylight Savings Time"));
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
