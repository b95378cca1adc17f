#include "dial_data.h"

#include "dial/plate.h"

namespace orvane {

namespace {

std::vector<DateLineData> dateLines(const DialData &d, const QLocale &locale)
{
    std::vector<DateLineData> lines;
    for (const DateLineSpec &spec :
         dateLineSpecs(d.site.date.year(), d.site.latitude, d.site.longitude, d.options.dateLines, locale))
        lines.push_back(
            {spec.name, spec.label, spec.declination, spec.date, dial::dateLine(d.input, spec.declination)});
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
    in.zoneMeridian = site.clock.zoneMeridian();
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
        d.card = correctionCard(card);
    }
    return d;
}

} // namespace orvane
