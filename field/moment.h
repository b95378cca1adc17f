#pragma once
// The dial at one moment: the instant of a clock time on a date at the
// site, the true sun's direction then, and what the dial reads, in words.
#include "dial_design.h"

#include "dial/face_frame.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace orvane {

// The instant (UTC, POSIX seconds) of a clock time, in seconds after
// midnight, by the site's clock as it stands that day; none for a time the
// clock skips (the spring's lost hour).
std::optional<double> clockInstant(const SiteClock &clock, const QDate &date, double seconds);

// Towards a point of the sky (degrees: azimuth from north through east,
// altitude), east-north-up.
dial::Vec3 skyDirection(double azimuthDeg, double altitudeDeg);

// Towards the sun's centre from the site at the instant: topocentric
// azimuth and geometric altitude, east-north-up.
dial::Vec3 sunTowards(double latitude, double longitude, double utcSeconds);

struct DialMoment {
    std::optional<dial::Vec3> sun; // none for a time the clock skips
    // In hours of the dial's time, from the first face the sun lights.
    std::optional<double> readsHours;
    bool lit = false; // the sun lights a face: its shadow or spot is drawn
    // "At 10:30 on 1 February the dial reads 10:25 (sun time); the clock
    // says 10:30.", or why it reads nothing.
    QString words;
};

DialMoment dialMoment(const DialDesign &design, const QDate &date, double clockSeconds, const QLocale &locale);

} // namespace orvane
