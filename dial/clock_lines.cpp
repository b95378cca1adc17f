// A clock dial's hour lines: the nodus's shadow at each hour of the zone's
// standard clock through the year, as figure-8s cut to the plate.
#include "dial/clock_shadow.h"
#include "dial/dial_layout.h"

#include <algorithm>
#include <cmath>

namespace orvane::dial {

namespace {

// The sine of the sun's declination.
double sineDeclination(const FaceFrame &f, const ClockDay &day) { return dot(day.sun, f.pole); }

YearTurns yearTurns(const FaceFrame &f, const std::vector<ClockDay> &noon)
{
    YearTurns t;
    const auto byDeclination = [&f](const ClockDay &a, const ClockDay &b) {
        return sineDeclination(f, a) < sineDeclination(f, b);
    };
    t.december = std::min_element(noon.begin(), noon.end(), byDeclination)->dayOfYear;
    t.june = std::max_element(noon.begin(), noon.end(), byDeclination)->dayOfYear;
    // Each equinox: the day of the half nearest the equator.
    const auto nearestEquator = [&](int from, int to) {
        int best = from;
        for (int d = from; d != to; d = (d + 1) % int(noon.size()))
            if (std::fabs(sineDeclination(f, noon[std::size_t(d)])) <
                std::fabs(sineDeclination(f, noon[std::size_t(best)])))
                best = d;
        return best;
    };
    t.march = nearestEquator(t.december, t.june);
    t.september = nearestEquator(t.june, t.december);
    return t;
}

// The days from `from` to `to` (both in), round the year's end if need be,
// then a day with no shadow: the curve through them is not closed.
std::vector<ClockDay> half(const std::vector<ClockDay> &days, int from, int to)
{
    std::vector<ClockDay> out;
    const int n = int(days.size());
    for (int d = from;; d = (d + 1) % n) {
        out.push_back(days[std::size_t(d)]);
        if (d == to)
            break;
    }
    out.push_back({});
    return out;
}

} // namespace

void layoutClockLines(const DialInput &input, DialLayout &layout)
{
    const std::vector<ClockDay> noon = clockDays(input, 12);
    if (noon.empty())
        return;
    const FaceFrame f = faceFrame(input);
    const YearTurns turns = yearTurns(f, noon);
    layout.clockYear = turns;
    const int step = input.stepMinutes > 0 ? input.stepMinutes : 60;
    for (int minutes = 0; minutes < 24 * 60; minutes += step) {
        const double hour = minutes / 60.0;
        const std::vector<ClockDay> days = minutes == 12 * 60 ? noon : clockDays(input, hour);
        if (std::none_of(days.begin(), days.end(), [](const ClockDay &d) { return d.shadow.has_value(); }))
            continue;
        HourLine line{hour, hourLabel(hour), {}, {}, 0, {}};
        line.curve = clockCurve(input, half(days, turns.december, turns.june), input.plate);
        line.risingPieces = line.curve.size();
        for (Polyline &piece : clockCurve(input, half(days, turns.june, turns.december), input.plate))
            line.curve.push_back(std::move(piece));
        for (const ClockDay &d : days)
            if (d.shadow && input.plate.contains(*d.shadow))
                line.days.push_back({d.dayOfYear, *d.shadow});
        if (line.curve.empty())
            layout.offPlate.push_back(hour);
        else
            layout.hourLines.push_back(std::move(line));
    }
}

} // namespace orvane::dial
