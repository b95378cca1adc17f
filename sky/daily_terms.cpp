#include "daily_terms.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace orvane::sky {

namespace {

// `full`: IAU 2006/2000A; else IAU 2000B, within a milliarcsecond of it in
// this era (a thousandth of what the positions are good to) at a twentieth
// of the cost, which is what a day's search spends most on.
DailyTerms termsAt(double tt1, double tt2, bool full)
{
    DailyTerms t;
    if (full)
        eraPnm06a(tt1, tt2, t.npb);
    else
        eraPnm00b(tt1, tt2, t.npb);
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

DailyTerms exactTerms(const JulianDate &tt) { return termsAt(tt.day, tt.fraction, true); }

const DailyTerms &DailyTermsCache::anchor(long long day)
{
    Slot *oldest = &slots_[0];
    for (Slot &slot : slots_) {
        if (slot.lastUse != 0 && slot.day == day) {
            slot.lastUse = ++uses_;
            return slot.terms;
        }
        if (slot.lastUse < oldest->lastUse)
            oldest = &slot;
    }
    oldest->day = day;
    oldest->lastUse = ++uses_;
    oldest->terms = termsAt(ERFA_DJ00, static_cast<double>(day), false);
    return oldest->terms;
}

DailyTerms DailyTermsCache::at(const JulianDate &tt)
{
    const double sinceJ2000 = (tt.day - ERFA_DJ00) + tt.fraction;
    const double whole = std::floor(sinceJ2000);
    const long long day = static_cast<long long>(whole);
    // Loading the end evicts the least recently used slot, never the start.
    const DailyTerms &start = anchor(day);
    const DailyTerms &end = anchor(day + 1);
    const double f = sinceJ2000 - whole;
    const double g = 1 - f;

    DailyTerms t;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            t.npb[i][j] = g * start.npb[i][j] + f * end.npb[i][j];
    // EO grows by precession over the centuries; keep the pair on one branch.
    t.equationOfOrigins =
        start.equationOfOrigins + f * std::remainder(end.equationOfOrigins - start.equationOfOrigins, ERFA_D2PI);

    // Hermite basis over one day, with the velocities in au/day.
    const double f2 = f * f, f3 = f2 * f;
    const double h00 = 2 * f3 - 3 * f2 + 1, h10 = f3 - 2 * f2 + f;
    const double h01 = -2 * f3 + 3 * f2, h11 = f3 - f2;
    for (int i = 0; i < 3; ++i) {
        t.earthPosition[i] = h00 * start.earthPosition[i] + h10 * start.earthVelocity[i] + h01 * end.earthPosition[i] +
                             h11 * end.earthVelocity[i];
        t.earthVelocity[i] = g * start.earthVelocity[i] + f * end.earthVelocity[i];
        t.earthBaryVelocity[i] = g * start.earthBaryVelocity[i] + f * end.earthBaryVelocity[i];
    }
    return t;
}

} // namespace orvane::sky
