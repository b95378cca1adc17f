#include "daily_terms.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace orvane::sky {

namespace {

DailyTerms termsAt(double tt1, double tt2)
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

DailyTerms exactTerms(const JulianDate &tt)
{
    return termsAt(tt.day, tt.fraction);
}

void DailyTermsCache::load(long long day)
{
    if (loaded_ && day == day_ + 1) {
        start_ = end_;
    } else if (loaded_ && day == day_ - 1) {
        end_ = start_;
        start_ = termsAt(ERFA_DJ00, static_cast<double>(day));
    } else {
        start_ = termsAt(ERFA_DJ00, static_cast<double>(day));
    }
    if (!loaded_ || day != day_ - 1)
        end_ = termsAt(ERFA_DJ00, static_cast<double>(day + 1));
    // EO grows by precession over the centuries; keep the pair on one branch.
    end_.equationOfOrigins = start_.equationOfOrigins
        + std::remainder(end_.equationOfOrigins - start_.equationOfOrigins, ERFA_D2PI);
    day_ = day;
    loaded_ = true;
}

DailyTerms DailyTermsCache::at(const JulianDate &tt)
{
    const double sinceJ2000 = (tt.day - ERFA_DJ00) + tt.fraction;
    const double whole = std::floor(sinceJ2000);
    const long long day = static_cast<long long>(whole);
    if (!loaded_ || day != day_)
        load(day);
    const double f = sinceJ2000 - whole;
    const double g = 1 - f;

    DailyTerms t;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            t.npb[i][j] = g * start_.npb[i][j] + f * end_.npb[i][j];
    t.equationOfOrigins = g * start_.equationOfOrigins + f * end_.equationOfOrigins;

    // Hermite basis over one day, with the velocities in au/day.
    const double f2 = f * f, f3 = f2 * f;
    const double h00 = 2 * f3 - 3 * f2 + 1, h10 = f3 - 2 * f2 + f;
    const double h01 = -2 * f3 + 3 * f2, h11 = f3 - f2;
    for (int i = 0; i < 3; ++i) {
        t.earthPosition[i] = h00 * start_.earthPosition[i] + h10 * start_.earthVelocity[i]
            + h01 * end_.earthPosition[i] + h11 * end_.earthVelocity[i];
        t.earthVelocity[i] = g * start_.earthVelocity[i] + f * end_.earthVelocity[i];
        t.earthBaryVelocity[i] = g * start_.earthBaryVelocity[i] + f * end_.earthBaryVelocity[i];
    }
    return t;
}

} // namespace orvane::sky
