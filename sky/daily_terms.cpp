#include "daily_terms.h"

#include <erfa.h>
#include <erfam.h>

#include <array>
#include <cmath>
#include <utility>

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

namespace {

// Anchors `span` days apart, from the one before day `from` to the second
// after day `to`: an instant interpolates between the two either side of
// it and one more each way. Returns the first anchor's day.
template <typename T, typename Make>
long long evaluateAnchors(std::vector<T> &anchors, double from, double to, long long span, Make make)
{
    const long long first = span * (static_cast<long long>(std::floor(from / static_cast<double>(span))) - 1);
    const long long last = span * (static_cast<long long>(std::floor(to / static_cast<double>(span))) + 2);
    for (long long day = first; day <= last; day += span)
        anchors.push_back(make(day));
    return first;
}

// The anchor of `day`, none where no anchor falls on it.
template <typename T>
const T *anchorOn(const std::vector<T> &anchors, long long first, long long span, long long day)
{
    const long long offset = day - first;
    if (offset < 0 || offset % span != 0)
        return nullptr;
    const long long i = offset / span;
    return i < static_cast<long long>(anchors.size()) ? &anchors[std::size_t(i)] : nullptr;
}

} // namespace

DailyTermsTable::DailyTermsTable(double fromUtc, double toUtc)
{
    const double from = std::floor(daysSinceJ2000(timeScalesFromUtc(fromUtc).tt));
    const double to = std::floor(daysSinceJ2000(timeScalesFromUtc(toUtc).tt));
    firstOrientation_ = evaluateAnchors(orientations_, from, to, kOrientationAnchorSpan, orientationAt);
    firstOrbit_ = evaluateAnchors(orbits_, from, to, kOrbitAnchorSpan, orbitAt);
}

const OrientationAnchor *DailyTermsTable::orientation(long long day) const
{
    return anchorOn(orientations_, firstOrientation_, kOrientationAnchorSpan, day);
}

const OrbitAnchor *DailyTermsTable::orbit(long long day) const
{
    return anchorOn(orbits_, firstOrbit_, kOrbitAnchorSpan, day);
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

namespace {

// Lagrange's weights for the four anchors at -1, 0, 1, 2 (in anchor steps)
// at u in [0, 1] between the middle two.
std::array<double, 4> cubicWeights(double u)
{
    return {-u * (u - 1) * (u - 2) / 6, (u + 1) * (u - 1) * (u - 2) / 2, -(u + 1) * u * (u - 2) / 2,
            (u + 1) * u * (u - 1) / 6};
}

// The polynomial of degree 7 through four values and their slopes at -1, 0,
// 1, 2 (in anchor steps), in Newton's form on those nodes each taken twice.
constexpr double kHermiteNode[8] = {-1, -1, 0, 0, 1, 1, 2, 2};

void hermiteCoefficients(const double (&value)[4], const double (&slope)[4], double (&d)[8])
{
    for (int i = 0; i < 8; ++i)
        d[i] = value[i / 2];
    // Divided differences column by column, in place from the bottom; a
    // repeated node's first difference is its slope.
    for (int k = 1; k < 8; ++k)
        for (int i = 7; i >= k; --i)
            d[i] = kHermiteNode[i] == kHermiteNode[i - k] ? slope[i / 2]
                                                          : (d[i] - d[i - 1]) / (kHermiteNode[i] - kHermiteNode[i - k]);
}

// The value and the slope (per anchor step) at u.
std::pair<double, double> hermiteAt(const double (&d)[8], double u)
{
    double value = d[7], slope = 0;
    for (int i = 6; i >= 0; --i) {
        slope = slope * (u - kHermiteNode[i]) + value;
        value = value * (u - kHermiteNode[i]) + d[i];
    }
    return {value, slope};
}

} // namespace

void DailyTermsCache::loadOrientationWindow(long long first)
{
    // Each anchor is copied before the next is loaded, which may evict it.
    for (int k = 0; k < 4; ++k)
        orientationWindow_.anchors[k] = orientation(first + (k - 1) * kOrientationAnchorSpan);
    orientationWindow_.first = first;
}

void DailyTermsCache::loadOrbitWindow(long long first)
{
    double value[3][4], slope[3][4];
    for (int k = 0; k < 4; ++k) {
        const OrbitAnchor &b = orbit(first + (k - 1) * kOrbitAnchorSpan);
        for (int i = 0; i < 3; ++i) {
            value[i][k] = b.position[i];
            slope[i][k] = static_cast<double>(kOrbitAnchorSpan) * b.velocity[i]; // au per anchor step
            if (k == 1 || k == 2)
                orbitWindow_.sunBaryVelocity[k - 1][i] = b.sunBaryVelocity[i];
        }
    }
    for (int i = 0; i < 3; ++i)
        hermiteCoefficients(value[i], slope[i], orbitWindow_.newton[i]);
    orbitWindow_.first = first;
}

DailyTerms DailyTermsCache::at(const JulianDate &tt)
{
    beforeSeries();
    const double sinceJ2000 = daysSinceJ2000(tt);
    DailyTerms t;

    constexpr auto oStep = static_cast<double>(kOrientationAnchorSpan);
    const double oFirst = oStep * std::floor(sinceJ2000 / oStep);
    if (static_cast<long long>(oFirst) != orientationWindow_.first)
        loadOrientationWindow(static_cast<long long>(oFirst));
    const OrientationAnchor(&o)[4] = orientationWindow_.anchors;
    const std::array<double, 4> w = cubicWeights((sinceJ2000 - oFirst) / oStep);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            t.npb[i][j] = w[0] * o[0].npb[i][j] + w[1] * o[1].npb[i][j] + w[2] * o[2].npb[i][j] + w[3] * o[3].npb[i][j];
    // EO grows by precession over the centuries; keep the four on one branch.
    t.equationOfOrigins = o[1].equationOfOrigins;
    for (int k = 0; k < 4; ++k)
        t.equationOfOrigins += w[k] * std::remainder(o[k].equationOfOrigins - o[1].equationOfOrigins, ERFA_D2PI);

    constexpr auto span = static_cast<double>(kOrbitAnchorSpan);
    const double first = span * std::floor(sinceJ2000 / span);
    if (static_cast<long long>(first) != orbitWindow_.first)
        loadOrbitWindow(static_cast<long long>(first));
    const double u = (sinceJ2000 - first) / span;
    for (int i = 0; i < 3; ++i) {
        const auto [value, slope] = hermiteAt(orbitWindow_.newton[i], u);
        t.earthPosition[i] = value;
        t.earthVelocity[i] = slope / span;
        // The Sun's barycentric motion (Jupiter's 12 years) is as good as straight.
        t.earthBaryVelocity[i] =
            t.earthVelocity[i] + (1 - u) * orbitWindow_.sunBaryVelocity[0][i] + u * orbitWindow_.sunBaryVelocity[1][i];
    }
    return t;
}

} // namespace orvane::sky
