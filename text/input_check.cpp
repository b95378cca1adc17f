#include "input_check.h"

#include "calc/solar_state.h"
#include "coordinate_text.h"
#include "input_parsing.h"
#include "time_zones.h"
#include "translation.h"
#include "window_texts.h"

#include <QRegularExpression>

#include <cmath>

namespace orvane {

namespace {

InputCheck refuse(InputCheck c, const char *message, InputField focus, bool selectText)
{
    c.verdict = CheckVerdict::Refused;
    c.message = message;
    c.focus = focus;
    c.selectText = selectText;
    return c;
}

// The numeric and range tests together; the value when both pass. Degrees,
// minutes and seconds and hemisphere letters are read too, signed; a plain
// number goes the window's own way, sign and all.
std::optional<double> numberInRange(const QString &text, double bound, CoordinateAxis axis, const QLocale &locale)
{
    const std::optional<CoordinateValue> c = readCoordinate(text, axis, locale);
    if (c && !c->plain)
        return std::fabs(c->degrees) <= bound ? std::optional<double>(c->degrees) : std::nullopt;
    return inRange(text, bound, locale) ? convertNumberText(text, locale) : std::nullopt;
}

// A letter chose the longitude's side (a minus sign alone never does here).
std::optional<bool> eastByLetter(const QString &text, double longitude)
{
    static const QRegularExpression letter(QStringLiteral("[EeWw]"));
    if (!text.contains(letter))
        return std::nullopt;
    return longitude > 0 || (longitude == 0 && text.contains(QRegularExpression(QStringLiteral("[Ee]"))));
}

} // namespace

InputCheck checkInputs(const InputTexts &given, const QLocale &locale)
{
    InputCheck c;
    InputTexts in = given;
    c.pastedPair = readCoordinatePair(given.latitude, locale);
    if (c.pastedPair) {
        in.latitude = QString::number(c.pastedPair->latitude.degrees, 'g', 12);
        in.longitude = QString::number(std::fabs(c.pastedPair->longitude.degrees), 'g', 12);
        in.east = c.pastedPair->longitude.degrees >= 0;
        in.west = !in.east;
    }

    c.values.date = parseDateText(in.date, locale);
    if (!c.values.date)
        return refuse(c, kMsgDate, InputField::Date, true);

    SiteClock clock;
    if (in.zone) {
        clock = zoneClockOn(*in.zone, *c.values.date);
    } else if (in.standardTime == in.daylightSaving) {
        return refuse(c, kMsgClockMode, InputField::None, false);
    } else {
        clock.daylightSaving = in.daylightSaving;
        clock.zoneIndex = in.zoneIndex;
        clock.zone = timeZoneRegion(in.zoneIndex);
        clock.entryRegion = clock.zone.has_value();
    }

    c.values.latitude = numberInRange(in.latitude, 90, CoordinateAxis::Latitude, locale);
    if (!c.values.latitude)
        return refuse(c, kMsgLatitude, InputField::Latitude, true);

    const std::optional<double> longitude = numberInRange(in.longitude, 180, CoordinateAxis::Longitude, locale);
    if (!longitude)
        return refuse(c, kMsgLongitude, InputField::Longitude, true);
    // The hemisphere comes from a letter typed with the longitude, or else
    // from the option pair, never from a typed sign.
    c.values.longitude = std::fabs(*longitude);
    c.eastFromLetter = eastByLetter(in.longitude, *longitude);
    const bool east = c.eastFromLetter.value_or(in.east), west = c.eastFromLetter ? !east : in.west;

    if (east == west)
        return refuse(c, kMsgHemisphere, InputField::None, false);
    if (west)
        c.values.longitude = -*c.values.longitude;

    const std::optional<int> offset = zoneOffsetMinutes(clock.zoneIndex);
    if (!offset)
        return refuse(c, kMsgTimeZone, InputField::TimeZone, false);
    clock.utcOffsetMinutes = *offset;
    c.values.clock = clock;
    c.site = AcceptedSite{*c.values.date, *c.values.latitude, *c.values.longitude, west, clock};

    if (farFromZoneMeridian(*c.values.longitude, clock.zoneMeridian())) {
        c = refuse(c, kMsgFarFromZone, InputField::Longitude, true);
        c.verdict = CheckVerdict::AskFarFromZone;
        return c;
    }
    c.verdict = CheckVerdict::Accepted;
    return c;
}

QString checkMessage(const InputCheck &c) { return c.message ? translate("text", c.message) : QString(); }

} // namespace orvane
