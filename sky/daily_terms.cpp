#include "daily_terms.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace orvane::sky {

namespace {

// Code that returns with the upper halves of the AVX registers still in use
// (loading a time zone through Qt does, on some machines) leaves every SSE
// instruction after it merging into them: ERFA's series and the positions
// then run five to ten times slower until something clears them. Clearing
// them before each evaluation costs a cycle.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((target("avx"))) void clearUpperHalves() { __builtin_ia32_vzeroupper(); }
void beforeSeries()
{
    static const bool hasAvx = (__builtin_cpu_init(), __builtin_cpu_supports("avx"));
    if (hasAvx)
        clearUpperHalves();
}
#else
void beforeSeries() {}
#endif

double daysSinceJ2000(const JulianDate &tt) { return (tt.day - ERFA_DJ00) + tt.fraction; }

// IAU 2000B: within a milliarcsecond of 2006/2000A in this era (a thousandth
// of what the positions are good to) at a twentieth of the cost.
OrientationAnchor orientationAt(long long day)
{
    beforeSeries();
    OrientationAnchor o;
    const double d = static_cast<double>(day);
    eraPnm00b(ERFA_DJ00, d, o.npb);
    double x = 0, y = 0;
    eraBpn2xy(o.npb, &x, &y);
    o.equationOfOrigins = eraEors(o.npb, eraS06(ERFA_DJ00, d, x, y));
    return o;
}

OrbitAnchor orbitAt(long long day)
{
    beforeSeries();
    double pvh[2][3], pvb[2][3];
    eraEpv00(ERFA_DJ00, static_cast<double>(day), pvh, pvb);
    OrbitAnchor b;
    for (int i = 0; i < 3; ++i) {
        b.position[i] = pvh[0][i];
        b.velocity[i] = pvh[1][i];
        b.sunBaryVelocity[i] = pvb[1][i] - pvh[1][i];
    }
    return b;
}

DailyTerms exactAt(double tt1, double tt2)
{
    beforeSeries();
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

DailyTermsTable::DailyTermsTable(double fromUtc, double toUtc)
{
    const double from = std::floor(daysSinceJ2000(timeScalesFromUtc(fromUtc).tt));
    const double to = std::floor(daysSinceJ2000(timeScalesFromUtc(toUtc).tt));
    // An instant interpolates between the noons either side of it.
    firstOrientation_ = static_cast<long long>(from);
    for (long long day = firstOrientation_; day <= static_cast<long long>(to) + 1; ++day)
        orientations_.push_back(orientationAt(day));
    firstOrbit_ = kOrbitAnchorSpan * static_cast<long long>(std::floor(from / kOrbitAnchorSpan));
    const long long lastOrbit = kOrbitAnchorSpan * static_cast<long long>(std::floor(to / kOrbitAnchorSpan) + 1);
    for (long long day = firstOrbit_; day <= lastOrbit; day += kOrbitAnchorSpan)
        orbits_.push_back(orbitAt(day));
}

const OrientationAnchor *DailyTermsTable::orientation(long long day) const
{
    const long long i = day - firstOrientation_;
    return i >= 0 && i < static_cast<long long>(orientations_.size()) ? &orientations_[std::size_t(i)] : nullptr;
}

const OrbitAnchor *DailyTermsTable::orbit(long long day) const
{
    const long long offset = day - firstOrbit_;
    if (offset < 0 || offset % kOrbitAnchorSpan != 0)
        return nullptr;
    const long long i = offset / kOrbitAnchorSpan;
    return i < static_cast<long long>(orbits_.size()) ? &orbits_[std::size_t(i)] : nullptr;
}

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
    oldest->value = make(day);
    return oldest->value;
}

const OrientationAnchor &DailyTermsCache::orientation(long long day)
{
    if (const OrientationAnchor *shared = table_ ? table_->orientation(day) : nullptr)
        return *shared;
    return anchor(orientations_, day, orientationAt);
}

const OrbitAnchor &DailyTermsCache::orbit(long long day)
{
    if (const OrbitAnchor *shared = table_ ? table_->orbit(day) : nullptr)
        return *shared;
    return anchor(orbits_, day, orbitAt);
}

DailyTerms DailyTermsCache::at(const JulianDate &tt)
{
    beforeSeries();
    const double sinceJ2000 = daysSinceJ2000(tt);
    DailyTerms t;

    const double whole = std::floor(sinceJ2000);
    const long long day = static_cast<long long>(whole);
    // Loading the end evicts the least recently used slot, never the start.
    const OrientationAnchor &o0 = orientation(day);
    const OrientationAnchor &o1 = orientation(day + 1);
    const double f = sinceJ2000 - whole;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            t.npb[i][j] = (1 - f) * o0.npb[i][j] + f * o1.npb[i][j];
    // EO grows by precession over the centuries; keep the pair on one branch.
    t.equationOfOrigins =
        o0.equationOfOrigins + f * std::remainder(o1.equationOfOrigins - o0.equationOfOrigins, ERFA_D2PI);

    constexpr auto span = static_cast<double>(kOrbitAnchorSpan);
    const double first = span * std::floor(sinceJ2000 / span);
    const OrbitAnchor &b0 = orbit(static_cast<long long>(first));
    const OrbitAnchor &b1 = orbit(static_cast<long long>(first + span));
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
