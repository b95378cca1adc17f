#include "compass_words.h"

#include "sky/magnetic_model.h"
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

QString sideName(double eastPositive) { return compassName(eastPositive > 0 ? Compass::East : Compass::West); }

} // namespace

QString magneticModelName() { return QString::fromLatin1(sky::magneticModelName); }

QString magneticModelYears()
{
    return QStringLiteral("%1 to %2")
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
        return QStringLiteral("Compass: not given for this date; the World Magnetic Model %1 covers %2. The sun's "
                              "meridian passage gives the north-south line.")
            .arg(magneticModelName(), magneticModelYears());
    const QString points =
        std::abs(c->declinationDeg) < kLeast
            ? QStringLiteral("its needle points to true north here, within %1").arg(degreesText(kLeast * 2, locale))
            : QStringLiteral("its needle points %1 %2 of true north here")
                  .arg(degreesText(c->declinationDeg, locale), sideName(c->declinationDeg));
    const QString drift = std::abs(c->annualChangeDeg) < kLeast
                              ? QStringLiteral("hardly moving from year to year")
                              : QStringLiteral("moving %1 a year %2ward")
                                    .arg(degreesText(c->annualChangeDeg, locale), sideName(c->annualChangeDeg));
    return QStringLiteral("Compass: %1 (%2 for this date, %3); iron and steel nearby turn it further. The sun's "
                          "meridian passage gives the truer north-south line.")
        .arg(points, magneticModelName(), drift);
}

} // namespace orvane
