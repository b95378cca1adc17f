#include "dial_data.h"

#include "dial/plate.h"
#include "text/summer_time.h"
#include "text/wording.h"

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

QString offsetText(int minutes) { return QStringLiteral("UTC") + utcOffsetText(minutes); }

} // namespace

DialData computeDialData(const FieldInputs &site, const QString &zoneName, const DialOptions &options,
                         const QLocale &locale)
{
    DialData d;
    d.site = site;
    d.zoneName = zoneName;
    d.options = options;
    d.input = dialInput(site, options);
    d.layout = dial::layoutDial(d.input);
    d.dateLines = dateLines(d, locale);
    if (options.card || !options.cardSvgFile.isEmpty()) {
        CardInputs card;
        card.latitude = site.latitude;
        card.longitude = site.longitude;
        card.year = site.date.year();
        card.zoneTimeDial = options.time == dial::DialTime::Zone;
        card.clock = site.clock;
        d.card = correctionCard(card);
        d.cardClock = QStringLiteral("Clock: ") + cardClockText(site.clock, card.year, offsetText);
        if (!site.clock.zone)
            d.cardClock += QStringLiteral("; give --zone for a zone's own rules");
    }
    return d;
}

} // namespace orvane
