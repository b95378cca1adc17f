#include "field_output.h"
#include "json_writer.h"
#include "site_json.h"

#include "text/result_text.h"

namespace orvane {

namespace {

// Azimuths and bearings to 0.001 degree (a tenth of a second of the sun's
// turn), altitudes to 0.01 degree, the difference to the 0.1 s it is found to.
constexpr int kAzimuthDecimals = 3;
constexpr int kAltitudeDecimals = 2;

// What rounds up to 360 is written as 0.
double bearing(double degrees) { return roundedBearing(degrees, kAzimuthDecimals); }

void optionalClock(JsonWriter &w, const char *key, const std::optional<double> &seconds, bool tenths)
{
    if (seconds)
        w.value(key, clockText(*seconds, tenths));
    else
        w.null(key);
}

void event(JsonWriter &w, const EventField &f)
{
    w.beginObject();
    w.value("event", fieldEventName(f.event));
    if (f.event == FieldEvent::Meridian)
        w.value("direction", eventDirectionName(f));
    w.value("seen", f.seen);
    if (f.seen) {
        w.value("clock", clockText(f.methodClock));
        optionalClock(w, "precise_clock", f.preciseClock, true);
        if (f.differenceSeconds)
            w.value("difference_s", *f.differenceSeconds, 1);
        else
            w.null("difference_s");
        w.value("azimuth_deg", bearing(f.azimuthDeg), kAzimuthDecimals);
        w.value("altitude_deg", f.altitudeDeg, kAltitudeDecimals);
        w.value("shadow_bearing_deg", bearing(f.shadowBearingDeg), kAzimuthDecimals);
        if (f.shadowLengthPerM)
            w.value("shadow_length_per_m", *f.shadowLengthPerM, 3);
        else
            w.null("shadow_length_per_m");
        w.value("off_line_deg", f.offLineDeg, kAzimuthDecimals);
        w.value("off_line_mm_per_m", f.offLineMmPerM, 1);
        w.value("turn_deg_per_min", f.turnDegPerMin, kAzimuthDecimals);
        w.beginArray("notes", true);
        for (FieldNote n : f.notes)
            w.value(nullptr, fieldNoteText(n));
        w.endArray();
    }
    w.endObject();
}

void day(JsonWriter &w, const DayRow &row, const std::vector<double> &bearings)
{
    w.beginObject(nullptr, true);
    w.value("date", row.date.toString(Qt::ISODate));
    for (FieldEvent e : kFieldEvents)
        optionalClock(w, fieldEventName(e).toLatin1().constData(), row.method[static_cast<int>(e)], false);
    for (FieldEvent e : kFieldEvents) {
        const QByteArray key = "precise_" + fieldEventName(e).toLatin1();
        optionalClock(w, key.constData(), row.precise[static_cast<int>(e)], true);
    }
    w.value("utc_offset_minutes", row.clock.utcOffsetMinutes);
    w.value("daylight_saving", row.clock.daylightSaving);
    w.value("clock_offset_minutes", row.clock.offsetSeconds() / 60);
    if (!row.bearingClocks.empty()) {
        w.beginArray("bearings", true);
        for (std::size_t i = 0; i < row.bearingClocks.size(); ++i) {
            w.beginObject(nullptr, true);
            w.value("bearing_deg", bearings[i], kAzimuthDecimals);
            w.beginArray("clocks", true);
            for (double c : row.bearingClocks[i])
                w.value(nullptr, clockText(c));
            w.endArray();
            w.endObject();
        }
        w.endArray();
    }
    w.endObject();
}

void moments(JsonWriter &w, const std::vector<SunMoment> &times, bool altitude)
{
    w.beginArray("times");
    for (const SunMoment &m : times) {
        w.beginObject(nullptr, true);
        w.value("clock", clockText(m.clock));
        w.value("precise_clock", clockText(m.preciseClock, true));
        if (altitude)
            w.value("rising", m.rising);
        w.value("azimuth_deg", bearing(m.azimuthDeg), kAzimuthDecimals);
        if (!altitude)
            w.value("altitude_deg", m.altitudeDeg, kAltitudeDecimals);
        w.value("shadow_bearing_deg", bearing(m.shadowBearingDeg), kAzimuthDecimals);
        if (m.shadowLengthPerM)
            w.value("shadow_length_per_m", *m.shadowLengthPerM, 3);
        else
            w.null("shadow_length_per_m");
        if (!altitude)
            w.value("turn_deg_per_min", m.turnDegPerMin, kAzimuthDecimals);
        w.endObject();
    }
    w.endArray();
}

void sunAt(JsonWriter &w, const FieldData &d)
{
    w.beginArray("bearings");
    for (const BearingField &b : d.bearings) {
        w.beginObject();
        w.value("bearing_deg", b.bearingDeg, kAzimuthDecimals);
        moments(w, b.times, false);
        w.beginArray("around");
        for (const AroundRow &a : b.around) {
            w.beginObject(nullptr, true);
            w.value("clock", clockText(a.clock));
            w.value("azimuth_deg", bearing(a.azimuthDeg), kAzimuthDecimals);
            w.value("altitude_deg", a.altitudeDeg, kAltitudeDecimals);
            w.value("shadow_bearing_deg", bearing(a.shadowBearingDeg), kAzimuthDecimals);
            w.endObject();
        }
        w.endArray();
        w.endObject();
    }
    w.endArray();

    w.beginArray("altitudes");
    for (const AltitudeField &a : d.altitudes) {
        w.beginObject();
        w.value("altitude_deg", a.altitudeDeg, kAltitudeDecimals);
        moments(w, a.times, true);
        w.endObject();
    }
    w.endArray();

    if (!d.wall) {
        w.null("wall");
        return;
    }
    w.beginObject("wall");
    w.beginArray("readings");
    for (const WallField::Reading &r : d.wall->readings) {
        w.beginObject(nullptr, true);
        w.value("clock", clockText(r.clock));
        w.value("angle_deg", r.angleDeg, kAzimuthDecimals);
        w.value("sun_azimuth_deg", bearing(r.sunAzimuthDeg), kAzimuthDecimals);
        w.value("sun_altitude_deg", r.sunAltitudeDeg, kAltitudeDecimals);
        w.value("facing_deg", bearing(r.facingDeg), kAzimuthDecimals);
        w.value("residual_deg", r.residualDeg, kAzimuthDecimals);
        w.endObject();
    }
    w.endArray();
    w.value("facing_deg", bearing(d.wall->facingDeg), kAzimuthDecimals);
    w.value("declination_deg", d.wall->declinationDeg, kAzimuthDecimals);
    w.value("declination_side", declinationSideName(d.wall->side));
    w.value("spread_deg", d.wall->spreadDeg, kAzimuthDecimals);
    w.endObject();
}

} // namespace

QString fieldJson(const FieldData &d, const QString &zoneName, const QLocale &locale,
                  const std::optional<SitePlace> &place, const std::optional<CompassReading> &compass)
{
    JsonWriter w;
    w.beginObject();
    writeSiteJson(w, d.inputs, zoneName, place, compass);
    w.value("result_text", resultText(d.inputs.date, methodCrossings(d.inputs), locale));

    w.beginArray("events");
    for (const EventField &f : d.events)
        event(w, f);
    w.endArray();

    w.beginArray("around");
    for (const AroundRow &a : d.around) {
        w.beginObject(nullptr, true);
        w.value("event", fieldEventName(a.event));
        w.value("clock", clockText(a.clock));
        w.value("azimuth_deg", bearing(a.azimuthDeg), kAzimuthDecimals);
        w.value("altitude_deg", a.altitudeDeg, kAltitudeDecimals);
        w.value("shadow_bearing_deg", bearing(a.shadowBearingDeg), kAzimuthDecimals);
        w.endObject();
    }
    w.endArray();

    w.beginArray("days");
    for (const DayRow &row : d.days)
        day(w, row, d.inputs.bearings);
    w.endArray();

    if (d.mark) {
        w.beginObject("mark", true);
        w.value("clock", clockText(d.mark->clock));
        w.value("shadow_bearing_deg", bearing(d.mark->shadowBearingDeg), kAzimuthDecimals);
        w.value("line", trueLineName(d.mark->line));
        w.value("turn_deg", d.mark->turnDeg, kAzimuthDecimals);
        w.endObject();
    } else {
        w.null("mark");
    }

    sunAt(w, d);

    w.beginArray("warnings", true);
    for (FieldWarning warning : d.warnings)
        w.value(nullptr, fieldWarningText(warning));
    w.endArray();
    w.endObject();
    return w.text();
}

} // namespace orvane
