#include "sun_at_text.h"

#include "sheet_text.h"
#include "text/result_text.h"
#include "text/translation.h"

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
    return translate("sheet", "Bearing %1").arg(bearingValueText(degrees, locale));
}

QString bearingAim(double degrees, const QLocale &locale)
{
    return translate("sheet", "sun at %1").arg(bearingValueText(degrees, locale));
}

QString bearingAbsentText(double degrees, const QLocale &locale)
{
    return translate("sheet", "The sun does not stand at %1 above the horizon on this date")
        .arg(bearingValueText(degrees, locale));
}

MomentTexts momentTexts(const SunMoment &m, double plumbHeightM, const QLocale &locale)
{
    MomentTexts t;
    t.clock = timeText(m.clock / kSecondsPerDay, locale);
    t.precise = translate("sheet", "Precise %1").arg(timeTextTenths(m.preciseClock, locale));
    t.altitude = translate("sheet", "Sun's altitude %1").arg(degreesText(m.altitudeDeg, locale));
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
    return {translate("sheet", "Clock"), translate("sheet", "Angle"), translate("sheet", "Sun's azimuth"),
            translate("sheet", "Facing"), translate("sheet", "Off the mean")};
}

QStringList wallCells(const WallField::Reading &r, const QLocale &locale)
{
    return {timeText(r.clock / kSecondsPerDay, locale), signedDegrees(r.angleDeg, locale),
            bearingText(r.sunAzimuthDeg, locale), bearingText(r.facingDeg, locale),
            signedDegrees(r.residualDeg, locale)};
}

QString wallResultText(const WallField &w, double latitude, const QLocale &locale)
{
    const QString facing = bearingText(w.facingDeg, locale);
    const bool southern = equatorSide(latitude) == Compass::North;
    QString text;
    if (w.side == DeclinationSide::None) {
        // Facing the pole, or the equator.
        const bool north = (w.declinationDeg > 90) != southern;
        text = (north ? translate("sheet", "The wall faces %1: it faces due north.")
                      : translate("sheet", "The wall faces %1: it faces due south."))
                   .arg(facing);
    } else {
        const bool east = w.side == DeclinationSide::East;
        const QString pattern = southern
                                    ? (east ? translate("sheet", "The wall faces %1: declination %2 east of north.")
                                            : translate("sheet", "The wall faces %1: declination %2 west of north."))
                                    : (east ? translate("sheet", "The wall faces %1: declination %2 east of south.")
                                            : translate("sheet", "The wall faces %1: declination %2 west of south."));
        text = pattern.arg(facing, degreesText(std::fabs(w.declinationDeg), locale));
    }
    if (w.readings.size() > 1)
        text += translate("sheet", " Spread %1.").arg(degreesText(w.spreadDeg, locale));
    return text;
}

QString wallRefusalText(const WallReadingRefusal &r, const FieldInputs::WallReading &reading, int number,
                        const QLocale &locale)
{
    const QString pattern =
        r.sunBelowHorizon
            ? translate("sheet", "Reading %1 (%2, %3) refused: the sun is below the horizon then.")
            : translate("sheet", "Reading %1 (%2, %3) refused: the angle must lie between -90° and +90°.");
    return pattern.arg(QString::number(number), timeText(reading.clock / kSecondsPerDay, locale),
                       signedDegrees(reading.angleDeg, locale));
}

} // namespace orvane
