#include "dial_data.h"

namespace orvane {

DialData computeDialData(const FieldInputs &site, const QString &zoneName, const DialOptions &options,
                         const QLocale &locale)
{
    DialData d;
    d.site = site;
    d.zoneName = zoneName;
    d.options = options;
    DesignChoices choices;
    choices.card = options.card || !options.cardSvgFile.isEmpty();
    choices.zoneName = zoneName;
    choices.withoutZoneRules = QStringLiteral("; give --zone for a zone's own rules");
    d.design = designDial(site, options, choices, locale);
    if (!options.readings.empty())
        d.check = checkDialReadings(d.design, options.readings, locale);
    return d;
}

} // namespace orvane
