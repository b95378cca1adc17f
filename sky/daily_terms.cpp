#include "daily_terms.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace orvane::sky {

namespace {

DailyTerms exactAt(double tt1, double tt2)
{
    DailyTerms t;
    eraPnm06a(tt1, tt2, t.npb);
    double x = 0, y = 0;
    eraBpn2xy(t.npb, &x, &y);
    t.equationOfOrigins = eraEors(t.npb, eraS06(tt1, tt2, x, y));
    double pvh[2][3], pvb[2][3];
    // Status 1 only warns that the date is outside 1900-2100, where the
    // series still holds to a few arcseconds for some centuries more.
    eraEpv00(tt1, tt2, pvh, pvb);
    for (int i = 0; i < 3; ++i) {
        t.earthPosition[i] = pvh[0][i];
        t.earthVelocity[i] = pvh[1][i];
        t.earthBaryVelocity[i] = pvb[1][i];
    }
    return t;
}

} // namespace

DailyTerms exactTerms(const JulianDate &tt) { return exactAt(tt.day, tt.fraction); }

template <typename T, std::size_t N, typename Make>
const T &DailyTermsCache::anchor(std::array<Slot<T>, N> &slots, long long day, Make &&make)
{
    Slot<T> *oldest = &slots[0];
    for (Slot<T> &slot : slots) {
        if (slot.lastUse != 0 && slot.day == day) {
            slot.lastUse = ++uses_;
            return slot.value;
        }
        if (slot.lastUse < oldest->lastUse)
            oldest = &slot;
    }
    oldest->day = day;
    oldest->lastUse = ++uses_;
    oldest->value = make(static_cast<double>(day));
    return oldest->value;
}

DailyTerms DailyTermsCache::at(const JulianDate &tt)
{
    const double sinceJ2000 = (tt.day - ERFA_DJ00) + tt.fraction;
    DailyTerms t;

    // IAU 2000B: within a milliarcsecond of 2006/2000A in this era (a
    // thousandth of what the positions are good to) at a twentieth of the cost.
    const auto orientation = [](double day) {
        Orientation o;
        eraPnm00b(ERFA_DJ00, day, o.npb);
        double x = 0, y = 0;
        eraBpn2xy(o.npb, &x, &y);
        o.equationOfOrigins = eraEors(o.npb, eraS06(ERFA_DJ00, day, x, y));
        return o;
    };
    const double whole = std::floor(sinceJ2000);
    const long long day = static_cast<long long>(whole);
    // Loading the end evicts the least recently used slot, never the start.
    const Orientation &o0 = anchor(orientations_, day, orientation);
    const Orientation &o1 = anchor(orientations_, day + 1, orientation);
    const double f = sinceJ2000 - whole;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            t.npb[i][j] = (1 - f) * o0.npb[i][j] + f * o1.npb[i][j];
    // EO grows by precession over the centuries; keep the pair on one branch.
    t.equationOfOrigins =
        o0.equationOfOrigins + f * std::remainder(o1.equationOfOrigins - o0.equationOfOrigins, ERFA_D2PI);

    const auto orbit = [](double day) {
        double pvh[2][3], pvb[2][3];
        eraEpv00(ERFA_DJ00, day, pvh, pvb);
        Orbit b;
        for (int i = 0; i < 3; ++i) {
            b.position[i] = pvh[0][i];
            b.velocity[i] = pvh[1][i];
            b.sunBaryVelocity[i] = pvb[1][i] - pvh[1][i];
        }
        return b;
    };
    constexpr double span = 3; // days between the orbit's anchors
    const double first = span * std::floor(sinceJ2000 / span);
    const Orbit &b0 = anchor(orbits_, static_cast<long long>(first), orbit);
    const Orbit &b1 = anchor(orbits_, static_cast<long long>(first + span), orbit);
    // Hermite basis over the span and its derivative, with the velocities in au/day.
    const double u = (sinceJ2000 - first) / span, u2 = u * u, u3 = u2 * u;
    const double h00 = 2 * u3 - 3 * u2 + 1, h10 = u3 - 2 * u2 + u, h01 = -2 * u3 + 3 * u2, h11 = u3 - u2;
    const double d00 = 6 * u2 - 6 * u, d10 = 3 * u2 - 4 * u + 1, d11 = 3 * u2 - 2 * u;
    for (int i = 0; i < 3; ++i) {
        t.earthPosition[i] =
            h00 * b0.position[i] + span * h10 * b0.velocity[i] + h01 * b1.position[i] + span * h11 * b1.velocity[i];
        t.earthVelocity[i] =
            d00 * (b0.position[i] - b1.position[i]) / span + d10 * b0.velocity[i] + d11 * b1.velocity[i];
        // The Sun's barycentric motion (Jupiter's 12 years) is as good as straight.
        t.earthBaryVelocity[i] = t.earthVelocity[i] + (1 - u) * b0.sunBaryVelocity[i] + u * b1.sunBaryVelocity[i];
    }
    return t;
}

} // namespace orvane::sky
