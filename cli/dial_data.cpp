#include "dial_data.h"

#include "dial/plate.h"

namespace orvane {

namespace {

QString dayMonth(int day, int month, const QLocale &locale)
{
    return QStringLiteral("%1 %2").arg(day).arg(locale.monthName(month, QLocale::ShortFormat));
}

std::vector<DateLineData> dateLines(const DialData &d, const QLocale &locale)
{
    std::vector<DateLineData> lines;
    if (d.options.dateLines == DateLineChoice::None)
        return lines;
    const double obliquity = dial::meanObliquity(d.site.date.year() + 0.5);
    lines.push_back({QStringLiteral("summer solstice"), dayMonth(21, 6, locale), obliquity, {}, {}});
    lines.push_back({QStringLiteral("equinox"), QStringLiteral("Equinox"), 0, {}, {}});
    lines.push_back({QStringLiteral("winter solstice"), dayMonth(21, 12, locale), -obliquity, {}, {}});
    if (d.options.dateLines == DateLineChoice::Months) {
        for (int month = 1; month <= 12; ++month) {
            const QDate first(d.site.date.year(), month, 1);
            // None only in polar night, where the nodus casts no shadow at noon.
            if (const std::optional<double> declination = noonDeclination(first, d.site.latitude, d.site.longitude))
                lines.push_back({QStringLiteral("month"), dayMonth(1, month, locale), *declination, first, {}});
        }
    }
    for (DateLineData &line : lines)
        line.pieces = dial::dateLine(d.input, line.declination);
    return lines;
}

} // namespace

DialData computeDialData(const FieldInputs &site, const QString &zoneName, const DialOptions &options,
                         const QLocale &locale)
{
    DialData d;
    d.site = site;
    d.zoneName = zoneName;
    d.options = options;
    dial::DialInput &in = d.input;
    in.latitude = site.latitude;
    in.longitude = site.longitude;
    in.type = options.type;
    in.facing = options.facing.value_or(180);
    in.nodusHeight = options.nodusHeight;
    in.stepMinutes = options.stepMinutes;
    in.time = options.time;
    // The zone's meridian from its standard offset, 15 degrees an hour.
    in.zoneMeridian = site.clock.utcOffsetMinutes / 4.0;
    in.plate = dial::plateAround(in, options.plateWidth, options.plateHeight);
    d.layout = dial::layoutDial(in);
    d.dateLines = dateLines(d, locale);
    if (options.card || !options.cardSvgFile.isEmpty()) {
        CardInputs card;
        card.latitude = site.latitude;
        card.longitude = site.longitude;
        card.year = site.date.year();
        card.zoneTimeDial = options.time == dial::DialTime::Zone;
        card.clock = site.clock;
        card.zone = site.zone;
        d.card = correctionCard(card);
    }
    return d;
}

} // namespace orvane
