#include "compass_words.h"

#include "sky/magnetic_model.h"
#include "text/translation.h"
#include "text/wording.h"

#include <cmath>

namespace orvane {

namespace {

// The needle is read to a tenth of a degree at best, and its drift is slow.
constexpr int kDecimals = 1;
constexpr double kLeast = 0.05; // what rounds to 0.0

QString degreesText(double value, const QLocale &locale)
{
    return plainLocale(locale).toString(std::abs(value), 'f', kDecimals) + QStringLiteral("°");
}

} // namespace

QString magneticModelName() { return QString::fromLatin1(sky::magneticModelName); }

QString magneticModelYears()
{
    return translate("field", "%1 to %2")
        .arg(sky::magneticModelFirstYear, 0, 'f', 1)
        .arg(sky::magneticModelLastYear, 0, 'f', 1);
}

std::optional<CompassReading> compassReading(double latitude, double longitude, const QDate &date)
{
    const std::optional<sky::MagneticField> f =
        sky::magneticField(latitude, longitude, 0, sky::decimalYearAtNoon(date.year(), date.month(), date.day()));
    if (!f)
        return std::nullopt;
    return CompassReading{f->declinationDeg, f->inclinationDeg, f->declinationChangeDeg};
}

QString compassLine(const std::optional<CompassReading> &c, const QLocale &locale)
{
    if (!c)
        return translate("field", "Compass: not given for this date; the World Magnetic Model %1 covers %2. The "
                                  "sun's meridian passage gives the north-south line.")
            .arg(magneticModelName(), magneticModelYears());
    const QString points =
        std::abs(c->declinationDeg) < kLeast
            ? translate("field", "its needle points to true north here, within %1").arg(degreesText(kLeast * 2, locale))
        : c->declinationDeg > 0 ? translate("field", "its needle points %1 east of true north here")
                                      .arg(degreesText(c->declinationDeg, locale))
                                : translate("field", "its needle points %1 west of true north here")
                                      .arg(degreesText(c->declinationDeg, locale));
    const QString drift =
        std::abs(c->annualChangeDeg) < kLeast ? translate("field", "hardly moving from year to year")
        : c->annualChangeDeg > 0
            ? translate("field", "moving %1 a year eastward").arg(degreesText(c->annualChangeDeg, locale))
            : translate("field", "moving %1 a year westward").arg(degreesText(c->annualChangeDeg, locale));
    return translate("field", "Compass: %1 (%2 for this date, %3); iron and steel nearby turn it further. The "
                              "sun's meridian passage gives the truer north-south line.")
        .arg(points, magneticModelName(), drift);
}

} // namespace orvane
