#include "dial_check.h"

#include "moment.h"

#include "angles/angles.h"
#include "sky/sun.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

QString addWhat(const dial::CheckFit &f)
{
    QStringList add;
    if (f.fewDays)
        add << QStringLiteral("readings on other days, a month or more apart");
    if (f.nearNoon)
        add << QStringLiteral("readings in the morning and the afternoon, two hours or more from noon");
    if (add.isEmpty())
        add << QStringLiteral("readings on other days and at other hours");
    return add.join(QStringLiteral(", and "));
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
        return {QStringLiteral("Four readings at least are needed to find the turn, the lean and the clock's offset: "
                               "add %1.")
                    .arg(addWhat(f))};
    case dial::CheckConfusion::TurnLean:
    case dial::CheckConfusion::TurnOffset:
    case dial::CheckConfusion::LeanOffset: {
        const QString pair = f.confusion == dial::CheckConfusion::TurnLean ? QStringLiteral("the turn from the lean")
                             : f.confusion == dial::CheckConfusion::TurnOffset
                                 ? QStringLiteral("the turn from the clock's offset")
                                 : QStringLiteral("the lean from the clock's offset");
        return {QStringLiteral("These readings cannot tell %1: add %2.").arg(pair, addWhat(f))};
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
            level ? QStringLiteral("the noon line's north end %1 mm to the %2 on this %3 mm plate")
                        .arg(mm(plate.height() * std::tan(t), l),
                             back ? QStringLiteral("west") : QStringLiteral("east"), l.toString(plate.height(), 'f', 0))
                  : QStringLiteral("its right edge %1 mm %2 on this %3 mm wide plate")
                        .arg(mm(plate.width() * std::sin(t), l),
                             back ? QStringLiteral("back") : QStringLiteral("forward"),
                             l.toString(plate.width(), 'f', 0));
        advice << QStringLiteral("Turn the dial %1 %2 seen from above: %3.")
                      .arg(deg(std::fabs(f.turnDeg), l),
                           back ? QStringLiteral("anticlockwise") : QStringLiteral("clockwise"), how);
    }
    if (std::fabs(f.leanDeg) >= kWorthTurningDeg) {
        const double lift = plate.height() * std::sin(angles::radians(std::fabs(f.leanDeg)));
        if (level) {
            // A level face: the edge it leans down towards is raised.
            const QString edge = checkLeanWords(face.input, f.leanDeg).section(u' ', -1);
            advice << QStringLiteral("The face leans %1 %2: raise its %3 edge %4 mm over the plate's %5 mm.")
                          .arg(deg(std::fabs(f.leanDeg), l), checkLeanWords(face.input, f.leanDeg), edge, mm(lift, l),
                               l.toString(plate.height(), 'f', 0));
        } else {
            advice << QStringLiteral("The face leans %1 %2: tip its top edge %3 mm %4 over the plate's %5 mm.")
                          .arg(deg(std::fabs(f.leanDeg), l), checkLeanWords(face.input, f.leanDeg), mm(lift, l),
                               checkLeanWords(face.input, -f.leanDeg), l.toString(plate.height(), 'f', 0));
        }
    }
    if (std::fabs(f.offsetMin) >= kWorthMentioningMin)
        advice << QStringLiteral("The rest is %1 minutes, the dial %2 the clock: check the clock, and that the "
                                 "readings were taken in the dial's own time.")
                      .arg(l.toString(std::fabs(f.offsetMin), 'f', 1),
                           f.offsetMin > 0 ? QStringLiteral("ahead of") : QStringLiteral("behind"));
    if (advice.isEmpty())
        advice << QStringLiteral("The dial stands true: within %1 of turn and lean and a minute of time.")
                      .arg(deg(kWorthTurningDeg, l));
    return advice;
}

} // namespace

QString checkLeanWords(const dial::DialInput &face, double leanDeg)
{
    if (!dial::levelFace(face))
        return leanDeg > 0 ? QStringLiteral("forward") : QStringLiteral("back");
    // A level face leans down towards the equator as the lean grows.
    const bool south = (leanDeg > 0) == (face.latitude >= 0);
    return south ? QStringLiteral("down towards the south") : QStringLiteral("down towards the north");
}

DialCheckResult checkDialReadings(const DialDesign &design, const std::vector<DialCheckEntry> &entries,
                                  const QLocale &locale)
{
    DialCheckResult result;
    if (design.kind->checkRefusal) {
        result.refusal = QString::fromUtf8(design.kind->checkRefusal);
        return result;
    }
    // The fit turns straight hour lines about their root; a figure-8 has none.
    if (design.faces.front().input.time == dial::DialTime::Clock) {
        result.refusal = QStringLiteral("a dial drawn to the clock has figure-8s, not hour lines that turn with its "
                                        "style: check it against the clock by eye, or design it to zone time to "
                                        "check readings");
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
            result.refusal = QStringLiteral("the clock skips that time on that day");
            return result;
        }
        // Either way round midnight: seconds of time are 1/240 of a degree.
        if (std::fabs(angles::wrap180((e.dial - e.clock) / 240)) > kMaxCheckGapHours * 15) {
            result.refusedIndex = i;
            result.refusal =
                QStringLiteral("the dial's reading is more than %1 hours from the clock's").arg(kMaxCheckGapHours);
            return result;
        }
        const sky::SunPosition p = sun.position(*utc);
        if (!(p.altitudeDeg > 0)) {
            result.refusedIndex = i;
            result.refusal = QStringLiteral("the sun is below the horizon then");
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
