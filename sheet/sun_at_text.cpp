#include "sun_at_text.h"

#include "sheet_text.h"
#include "text/result_text.h"

#include "angles/angles.h"

#include <cmath>

namespace orvane {

namespace {

using angles::kSecondsPerDay;

QString signedDegrees(double value, const QLocale &locale)
{
    return signedNumberText(value, 1, locale, NegativeZero::Kept) + QChar(0x00B0);
}

} // namespace

QString bearingValueText(double degrees, const QLocale &locale)
{
    return plainLocale(locale).toString(degrees, 'g', QLocale::FloatingPointShortest) + QChar(0x00B0);
}

QString bearingTitle(double degrees, const QLocale &locale)
{
    return QStringLiteral("Bearing ") + bearingValueText(degrees, locale);
}

QString bearingAim(double degrees, const QLocale &locale)
{
    return QStringLiteral("sun at ") + bearingValueText(degrees, locale);
}

QString bearingAbsentText(double degrees, const QLocale &locale)
{
    return QStringLiteral("The sun does not stand at %1 above the horizon on this date")
        .arg(bearingValueText(degrees, locale));
}

MomentTexts momentTexts(const SunMoment &m, double plumbHeightM, const QLocale &locale)
{
    MomentTexts t;
    t.clock = timeText(m.clock / kSecondsPerDay, locale);
    t.precise = QStringLiteral("Precise ") + timeTextTenths(m.preciseClock, locale);
    t.altitude = QStringLiteral("Sun's altitude ") + degreesText(m.altitudeDeg, locale);
    t.shadow = shadowText(m.shadowBearingDeg, m.shadowLengthPerM, plumbHeightM, locale);
    t.turn = turnText(m.turnDegPerMin, locale);
    // The same warnings as the three events give at these heights.
    if (m.altitudeDeg < 5)
        t.notes << fieldNoteText(FieldNote::LowSun);
    else if (m.altitudeDeg > 80)
        t.notes << fieldNoteText(FieldNote::HighSun);
    for (QString &n : t.notes)
        n = firstUpper(n);
    return t;
}

QStringList wallHeaders()
{
    return {QStringLiteral("Clock"), QStringLiteral("Angle"), QStringLiteral("Sun's azimuth"), QStringLiteral("Facing"),
            QStringLiteral("Off the mean")};
}

QStringList wallCells(const WallField::Reading &r, const QLocale &locale)
{
    return {timeText(r.clock / kSecondsPerDay, locale), signedDegrees(r.angleDeg, locale),
            bearingText(r.sunAzimuthDeg, locale), bearingText(r.facingDeg, locale),
            signedDegrees(r.residualDeg, locale)};
}

QString wallResultText(const WallField &w, double latitude, const QLocale &locale)
{
    const QString equator = compassName(equatorSide(latitude));
    const QString pole = compassName(latitudeSide(latitude));
    const QString declination =
        w.side == DeclinationSide::None
            ? QStringLiteral("it faces due %1").arg(w.declinationDeg > 90 ? pole : equator)
            : QStringLiteral("declination %1 %2 of %3")
                  .arg(degreesText(std::fabs(w.declinationDeg), locale), declinationSideName(w.side), equator);
    QString text = QStringLiteral("The wall faces %1: %2.").arg(bearingText(w.facingDeg, locale), declination);
    if (w.readings.size() > 1)
        text += QStringLiteral(" Spread %1.").arg(degreesText(w.spreadDeg, locale));
    return text;
}

QString wallRefusalText(const WallReadingRefusal &r, const FieldInputs::WallReading &reading, int number,
                        const QLocale &locale)
{
    const QString which =
        QStringLiteral("Reading %1 (%2, %3)")
            .arg(number)
            .arg(timeText(reading.clock / kSecondsPerDay, locale), signedDegrees(reading.angleDeg, locale));
    return which + (r.sunBelowHorizon ? QStringLiteral(" refused: the sun is below the horizon then.")
                                      : QStringLiteral(" refused: the angle must lie between -90° and +90°."));
}

} // namespace orvane
