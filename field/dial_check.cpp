#include "dial_check.h"

#include "moment.h"

#include "angles/angles.h"
#include "sky/sun.h"
#include "text/translation.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

QString addWhat(const dial::CheckFit &f)
{
    const QString days = translate("field", "readings on other days, a month or more apart");
    const QString hours = translate("field", "readings in the morning and the afternoon, two hours or more from noon");
    if (f.fewDays && f.nearNoon)
        return translate("field", "%1, and %2").arg(days, hours);
    if (f.fewDays)
        return days;
    if (f.nearNoon)
        return hours;
    return translate("field", "readings on other days and at other hours");
}

QString mm(double v, const QLocale &l) { return l.toString(v, 'f', 1); }
QString deg(double v, const QLocale &l) { return l.toString(v, 'f', 1) + QChar(0xB0); }

// Turns and leans smaller than this, and offsets under a minute, are left be.
constexpr double kWorthTurningDeg = 0.1;
constexpr double kWorthMentioningMin = 1;

QStringList adviceFor(const DialCheck &c, const dial::DialFace &face, const QLocale &l)
{
    const dial::CheckFit &f = c.fit;
    QStringList advice;
    switch (f.confusion) {
    case dial::CheckConfusion::None:
        break;
    case dial::CheckConfusion::TooFew:
        return {translate("field", "Four readings at least are needed to find the turn, the lean and the clock's "
                                   "offset: add %1.")
                    .arg(addWhat(f))};
    case dial::CheckConfusion::TurnLean:
    case dial::CheckConfusion::TurnOffset:
    case dial::CheckConfusion::LeanOffset: {
        const QString cannot =
            f.confusion == dial::CheckConfusion::TurnLean
                ? translate("field", "These readings cannot tell the turn from the lean: add %1.")
            : f.confusion == dial::CheckConfusion::TurnOffset
                ? translate("field", "These readings cannot tell the turn from the clock's offset: add %1.")
                : translate("field", "These readings cannot tell the lean from the clock's offset: add %1.");
        return {cannot.arg(addWhat(f))};
    }
    }
    const dial::PlateRect &plate = face.input.plate;
    const bool level = dial::levelFace(face.input);
    if (std::fabs(f.turnDeg) >= kWorthTurningDeg) {
        // Turned back anticlockwise, a level plate's north end goes west and
        // an upright one's right edge back towards the wall.
        const double t = angles::radians(std::fabs(f.turnDeg));
        const bool back = f.turnDeg > 0;
        const QString how =
            level ? (back ? translate("field", "the noon line's north end %1 mm to the west on this %2 mm plate")
                          : translate("field", "the noon line's north end %1 mm to the east on this %2 mm plate"))
                        .arg(mm(plate.height() * std::tan(t), l), l.toString(plate.height(), 'f', 0))
                  : (back ? translate("field", "its right edge %1 mm back on this %2 mm wide plate")
                          : translate("field", "its right edge %1 mm forward on this %2 mm wide plate"))
                        .arg(mm(plate.width() * std::sin(t), l), l.toString(plate.width(), 'f', 0));
        advice << (back ? translate("field", "Turn the dial %1 anticlockwise seen from above: %2.")
                        : translate("field", "Turn the dial %1 clockwise seen from above: %2."))
                      .arg(deg(std::fabs(f.turnDeg), l), how);
    }
    if (std::fabs(f.leanDeg) >= kWorthTurningDeg) {
        const double lift = plate.height() * std::sin(angles::radians(std::fabs(f.leanDeg)));
        if (level) {
            // A level face: the edge it leans down towards is raised.
            const bool south = (f.leanDeg > 0) == (face.input.latitude >= 0);
            advice << (south ? translate("field", "The face leans %1 down towards the south: raise its south edge %2 "
                                                  "mm over the plate's %3 mm.")
                             : translate("field", "The face leans %1 down towards the north: raise its north edge %2 "
                                                  "mm over the plate's %3 mm."))
                          .arg(deg(std::fabs(f.leanDeg), l), mm(lift, l), l.toString(plate.height(), 'f', 0));
        } else {
            advice << (f.leanDeg > 0 ? translate("field", "The face leans %1 forward: tip its top edge %2 mm back over "
                                                          "the plate's %3 mm.")
                                     : translate("field", "The face leans %1 back: tip its top edge %2 mm forward over "
                                                          "the plate's %3 mm."))
                          .arg(deg(std::fabs(f.leanDeg), l), mm(lift, l), l.toString(plate.height(), 'f', 0));
        }
    }
    if (std::fabs(f.offsetMin) >= kWorthMentioningMin)
        advice << (f.offsetMin > 0 ? translate("field", "The rest is %1 minutes, the dial ahead of the clock: check "
                                                        "the clock, and that the readings were taken in the dial's "
                                                        "own time.")
                                   : translate("field", "The rest is %1 minutes, the dial behind the clock: check the "
                                                        "clock, and that the readings were taken in the dial's own "
                                                        "time."))
                      .arg(l.toString(std::fabs(f.offsetMin), 'f', 1));
    if (advice.isEmpty())
        advice << translate("field", "The dial stands true: within %1 of turn and lean and a minute of time.")
                      .arg(deg(kWorthTurningDeg, l));
    return advice;
}

} // namespace

QString checkLeanWords(const dial::DialInput &face, double leanDeg)
{
    if (!dial::levelFace(face))
        return leanDeg > 0 ? translate("field", "forward", "leaning") : translate("field", "back", "leaning");
    // A level face leans down towards the equator as the lean grows.
    const bool south = (leanDeg > 0) == (face.latitude >= 0);
    return south ? translate("field", "down towards the south") : translate("field", "down towards the north");
}

DialCheckResult checkDialReadings(const DialDesign &design, const std::vector<DialCheckEntry> &entries,
                                  const QLocale &locale)
{
    DialCheckResult result;
    if (design.kind->checkRefusal) {
        result.refusal = translate("dial", design.kind->checkRefusal);
        return result;
    }
    // The fit turns straight hour lines about their root; a figure-8 has none.
    if (design.faces.front().input.time == dial::DialTime::Clock) {
        result.refusal = translate("field", "a dial drawn to the clock has figure-8s, not hour lines that turn with "
                                            "its style: check it against the clock by eye, or design it to zone time "
                                            "to check readings");
        return result;
    }
    const dial::DialFace &face = design.faces.front();
    sky::Sun sun(sky::Site{design.site.latitude, design.site.longitude, 0});
    std::vector<dial::CheckReading> readings;
    for (int i = 0; i < int(entries.size()); ++i) {
        const DialCheckEntry &e = entries[std::size_t(i)];
        const std::optional<double> utc = clockInstant(design.site.clock, e.date, e.clock);
        if (!utc) {
            result.refusedIndex = i;
            result.refusal = translate("field", "the clock skips that time on that day");
            return result;
        }
        // Either way round midnight: seconds of time are 1/240 of a degree.
        if (std::fabs(angles::wrap180((e.dial - e.clock) / 240)) > kMaxCheckGapHours * 15) {
            result.refusedIndex = i;
            result.refusal =
                translate("field", "the dial's reading is more than %1 hours from the clock's").arg(kMaxCheckGapHours);
            return result;
        }
        const sky::SunPosition p = sun.position(*utc);
        if (!(p.altitudeDeg > 0)) {
            result.refusedIndex = i;
            result.refusal = translate("field", "the sun is below the horizon then");
            return result;
        }
        readings.push_back({skyDirection(p.azimuthDeg, p.altitudeDeg), e.dial / 3600, long(e.date.toJulianDay())});
    }
    DialCheck check;
    check.entries = entries;
    check.fit = dial::checkDial(face.input, readings);
    for (double hours : check.fit.expectedHours)
        check.expectedDial.push_back(hours * 3600);
    check.advice = adviceFor(check, face, locale);
    result.check = std::move(check);
    return result;
}

} // namespace orvane
