#include "ground_staking.h"

#include "report_words.h"

#include "text/result_text.h"
#include "text/translation.h"
#include "text/wording.h"

#include <cmath>

namespace orvane {

QString metresText(double metres, const QLocale &locale)
{
    const double rounded = std::round(metres * 100) / 100;
    return locale.toString(rounded == 0 ? 0.0 : rounded, 'f', 2);
}

QString heightNeededText(double metres, const QLocale &locale)
{
    // A hair below the centimetre: 2.40 stays 2.40 however it was summed.
    return metresText(std::ceil(metres * 100 - 1e-6) / 100, locale);
}

QString siteClockWords(const AcceptedSite &site)
{
    const SiteClock &c = site.clock;
    if (!c.daylightSaving)
        return translate("field", "standard time (%1)").arg(utcOffsetName(c.utcOffsetMinutes));
    return translate("field", "summer time (%1; the zone's standard time is %2)")
        .arg(utcOffsetName(c.utcOffsetMinutes + 60), utcOffsetName(c.utcOffsetMinutes));
}

StakingTable stakingTable(const DialDesign &design, const QLocale &locale)
{
    QList<QStringList> rows = tableText(design.report.tables.front(), locale);
    const QStringList headings = rows.takeFirst();
    return {headings, rows};
}

QStringList stakingSteps(const DialDesign &design, const QLocale &locale)
{
    QStringList steps;
    for (const dial::Value &step : design.report.steps)
        steps << valueText(step, locale);
    return steps;
}

} // namespace orvane
