#pragma once
// What the person at the plumb line needs beyond the three clock times: how
// high the sun stands, where the shadow points and how fast it turns, how
// far the method's times are from the true instants, a table around each
// event, the coming days, and which line a late mark belongs to.
//
// Clock times are seconds after midnight on the chosen clock (the zone's
// standard time, plus one hour on daylight saving). Angles are degrees,
// bearings and azimuths from north through east.

#include "text/accepted_site.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <optional>
#include <vector>

namespace orvane {

// The accepted site, and what the field work asks of it.
struct FieldInputs : AcceptedSite {
    int days = 1;                    // rows of the days table, 1..366; each day on its
                                     // own clock when the site's clock has a zone
    std::optional<double> markClock; // seconds after midnight
    std::vector<double> bearings;    // degrees, [0, 360): when the sun stands there
    std::vector<double> altitudes;   // degrees, (-1, 90): when the sun reaches that height
    // A wall's facing from plumb-line shadows on a board square to it: each
    // a clock time on the first day and the angle from the square line
    // (towards the wall) to the shadow, clockwise seen from above.
    struct WallReading {
        double clock = 0;
        double angleDeg = 0;
    };
    std::vector<WallReading> wallReadings;
};

enum class FieldEvent { East = 0, Meridian = 1, West = 2 };
inline constexpr FieldEvent kFieldEvents[] = {FieldEvent::East, FieldEvent::Meridian, FieldEvent::West};

enum class FieldNote {
    BelowHorizon, // the sun's centre is below the horizon: no shadow
    LowSun,       // under 5 degrees: a long, faint shadow
    HighSun,      // over 80 degrees: a short shadow whose direction is hard to read
};

struct EventField {
    FieldEvent event = FieldEvent::East;
    bool seen = false;            // the method's verdict; the rest holds only when seen
    bool north = false;           // meridian only: the sun culminates north
    double targetAzimuthDeg = 90; // 90, 180 (or 0 where the sun culminates north), 270

    // The method's clock time as the window shows it: rounded to the second.
    double methodClock = 0;
    // The true instant of that azimuth on the same clock, to 0.1 s; none
    // where the true sun does not reach it above the horizon that day.
    std::optional<double> preciseClock;
    std::optional<double> differenceSeconds; // precise minus method

    // The true sun at the method's time.
    double azimuthDeg = 0;
    double altitudeDeg = 0;
    double shadowBearingDeg = 0;            // azimuth + 180
    std::optional<double> shadowLengthPerM; // none with the sun below the horizon
    double offLineDeg = 0;                  // shadow bearing minus the true line's, signed
    double offLineMmPerM = 0;               // that angle as the mark's offset 1 m from the plumb line
    double turnDegPerMin = 0;               // rate of the azimuth's turn
    std::vector<FieldNote> notes;
};

struct AroundRow {
    FieldEvent event = FieldEvent::East;
    double clock = 0;
    double azimuthDeg = 0;
    double altitudeDeg = 0;
    double shadowBearingDeg = 0;
};

struct DayRow {
    QDate date;
    SiteClock clock;
    std::optional<double> method[3]; // by FieldEvent; none when never seen
    std::optional<double> precise[3];
    std::vector<std::vector<double>> bearingClocks; // by FieldInputs::bearings, each to the second
};

// The true sun at one instant of a bearing or an altitude.
struct SunMoment {
    double clock = 0;        // the precise clock rounded to the second
    double preciseClock = 0; // to 0.1 s
    double azimuthDeg = 0;
    double altitudeDeg = 0;
    double shadowBearingDeg = 0;
    std::optional<double> shadowLengthPerM; // none with the sun below the horizon
    double turnDegPerMin = 0;
    bool rising = false; // altitudes only
};

struct BearingField {
    double bearingDeg = 0;
    std::vector<SunMoment> times;  // in clock order; empty where not reached above the horizon
    std::vector<AroundRow> around; // every 30 s, 5 min either side of each time
};

struct AltitudeField {
    double altitudeDeg = 0;
    std::vector<SunMoment> times;
};

enum class DeclinationSide { None, East, West };

struct WallField {
    struct Reading {
        double clock = 0;
        double angleDeg = 0;
        double sunAzimuthDeg = 0;
        double sunAltitudeDeg = 0;
        double facingDeg = 0;
        double residualDeg = 0; // facing minus the mean, signed
    };
    std::vector<Reading> readings;
    double facingDeg = 0; // the wall's outward facing, circular mean
    // From the equator's direction (south in the north, north in the south).
    double declinationDeg = 0;
    DeclinationSide side = DeclinationSide::None;
    double spreadDeg = 0; // largest absolute residual
};

// A reading that cannot be used: its index in FieldInputs::wallReadings.
struct WallReadingRefusal {
    int index = 0;
    bool sunBelowHorizon = true; // else the angle is not between -90 and 90
};

enum class TrueLine { EastWest, NorthSouth };

struct MarkField {
    double clock = 0;
    double shadowBearingDeg = 0;
    TrueLine line = TrueLine::EastWest;
    // Degrees, clockwise seen from above positive, that put the mark on the
    // nearest true line.
    double turnDeg = 0;
};

enum class FieldWarning {
    FarFromZone,           // the zone's meridian lies more than 15 degrees from the longitude
    DaylightSavingDiffers, // the computer's own zone has the same standard offset but the other clock that day
    WallSpread,            // the wall readings disagree by more than a degree
};

struct FieldData {
    FieldInputs inputs;
    EventField events[3];          // by FieldEvent
    std::vector<AroundRow> around; // every 30 s, 5 min either side of each seen event
    std::vector<DayRow> days;
    std::optional<MarkField> mark;
    std::vector<BearingField> bearings; // by FieldInputs::bearings
    std::vector<AltitudeField> altitudes;
    std::optional<WallField> wall; // none without readings or with a refusal
    std::vector<WallReadingRefusal> wallRefusals;
    std::vector<FieldWarning> warnings;
};

FieldData computeFieldData(const FieldInputs &in);

// The same as computeFieldData's mark, for any clock time of the first day.
MarkField markAt(const FieldInputs &in, double clockSeconds);

// The bearings, altitudes and wall of `in` into `d`, on the first day's
// clock; each day of `d.days` gains its bearing times.
void addSunAtData(const FieldInputs &in, FieldData &d);

// The plain English words of the command line and the sheet.
QString fieldEventName(FieldEvent e); // "east", "meridian", "west"
// Where the sun stands at the event: "east", "south" or "north", "west".
QString eventDirectionName(const EventField &f);
// The same two in the language in use, for sentences a person reads.
QString fieldEventWords(FieldEvent e);
QString eventDirectionWords(const EventField &f);
QString fieldNoteText(FieldNote n);
QString fieldWarningText(FieldWarning w);
QString trueLineName(TrueLine l);               // "east-west", "north-south"
QString declinationSideName(DeclinationSide s); // "east", "west", "none"
// A bearing as written to `decimals` places: rounded, with what rounds up
// to 360 written as 0, so that no output reads 360.0 beside 0.3.
double roundedBearing(double degrees, int decimals);
// 24-hour clock text: "08:54:27", or with `tenths` "08:54:25.3".
QString clockText(double seconds, bool tenths = false);

} // namespace orvane
