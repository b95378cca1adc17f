#include "ground_staking.h"

#include "text/result_text.h"
#include "text/wording.h"

#include <cmath>

namespace orvane {

namespace {

constexpr double kTallPerson = 1.8; // m

} // namespace

QString metresText(double metres, const QLocale &locale)
{
    const double rounded = std::round(metres * 100) / 100;
    return locale.toString(rounded == 0 ? 0.0 : rounded, 'f', 2);
}

QString heightNeededText(double metres, const QLocale &locale)
{
    // A hair below the centimetre: 2.40 stays 2.40 however it was summed.
    return metresText(std::ceil(metres * 100 - 1e-6) / 100, locale);
}

QString siteClockWords(const AcceptedSite &site)
{
    const SiteClock &c = site.clock;
    if (!c.daylightSaving)
        return QStringLiteral("standard time (%1)").arg(utcOffsetName(c.utcOffsetMinutes));
    return QStringLiteral("summer time (%1; the zone's standard time is %2)")
        .arg(utcOffsetName(c.utcOffsetMinutes + 60), utcOffsetName(c.utcOffsetMinutes));
}

QString ellipseSize(const dial::GroundLayout &ground, const QLocale &locale)
{
    return QStringLiteral("%1 m by %2 m")
        .arg(metresText(2 * ground.halfWidth, locale), metresText(2 * ground.minorHalfWidth, locale));
}

QString groundSideWord(int side)
{
    return side > 0 ? QStringLiteral("east") : side < 0 ? QStringLiteral("west") : QStringLiteral("on the line");
}

QString gnomonNote(const DialDesign &design, const QLocale &locale)
{
    if (!design.faces.front().layout.ground || design.faces.front().layout.ground->gnomon.empty())
        return {};
    const QString height = heightNeededText(design.faces.front().layout.ground->gnomonHeight, locale);
    QString note = QStringLiteral("Stand up straight: anyone %1 m tall or taller casts a shadow that reaches the "
                                  "marks from %2 to %3 h on every day of the year.")
                       .arg(height)
                       .arg(dial::kGnomonFirstHour)
                       .arg(dial::kGnomonLastHour);
    // Taller than most people: their shadow falls short near noon in summer,
    // but still points the way.
    if (design.faces.front().layout.ground->gnomonHeight > kTallPerson)
        note += QStringLiteral(" A shorter shadow still points along the line to the time.");
    return note;
}

StakingTable stakingTable(const dial::GroundLayout &ground, const QLocale &locale)
{
    StakingTable t{
        {QStringLiteral("Hour"), QStringLiteral("From C (m)"), QStringLiteral("From N (m)"), QStringLiteral("Side")},
        {}};
    for (const dial::GroundMark &m : ground.marks)
        t.rows << QStringList{QString::fromStdString(m.label), metresText(m.fromCentre, locale),
                              metresText(m.fromNoon, locale), groundSideWord(m.side)};
    return t;
}

QStringList stakingSteps(const DialDesign &design, const QLocale &locale)
{
    const std::optional<dial::GroundLayout> &g = design.faces.front().layout.ground;
    if (!g)
        return {};
    const bool north = g->noonY >= 0;
    const QString noonSide = north ? QStringLiteral("north") : QStringLiteral("south");
    QStringList steps;
    steps << QStringLiteral("Lay out the north-south line: on %1 at %2 by a clock on %3 the sun stands on the "
                            "meridian, and the shadow of a plumb line falls along it.")
                 .arg(locale.toString(design.site.date, QLocale::LongFormat),
                      timeText(design.meridianClock.value_or(0.5), locale), siteClockWords(design.site));
    steps << QStringLiteral("Mark the centre C on the line, and the noon point N %1 m %2 of C.")
                 .arg(metresText(std::fabs(g->noonY), locale), noonSide);
    steps << QStringLiteral("Stake each hour with two tapes, one from C and one from N, at the lengths in the table: "
                            "where they meet on the hour's side of the line (east or west) is the hour's mark.");
    steps << QStringLiteral("Mark the dates on the line, each its distance from C (+ north, - south).");
    steps << QStringLiteral("To draw the ellipse, put a pin at each focus, %1 m east and west of C, and run a loop of "
                            "string %2 m long round both pins and a marker.")
                 .arg(metresText(g->focus, locale), metresText(g->stringLoop, locale));
    steps << (design.card ? QStringLiteral("Stand on today's date and your shadow points to the time; add the "
                                           "card's correction for the clock.")
                          : QStringLiteral("Stand on today's date and your shadow points to the dial's time; for the "
                                           "clock's, add the correction of a card (--card on the command line, or "
                                           "the Dial Designer's card)."));
    if (const QString note = gnomonNote(design, locale); !note.isEmpty())
        steps << note;
    return steps;
}

} // namespace orvane
