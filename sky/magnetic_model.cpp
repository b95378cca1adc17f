#include "magnetic_model.h"

#include "angles/angles.h"

#include <array>
#include <chrono>
#include <cmath>

namespace orvane::sky {

namespace {

struct WmmCoefficient {
    int n, m;
    double g, h, gDot, hDot;
};

#include "data/wmm2025.inc"

constexpr int kModelDegree = 12;
// WGS84, and the model's reference radius (mean radius of the Earth).
constexpr double kEquatorRadiusM = 6378137.0;
constexpr double kFlattening = 1 / 298.257223563;
constexpr double kReferenceRadiusM = 6371200.0;

using Table = std::array<std::array<double, kModelDegree + 1>, kModelDegree + 1>;

// Schmidt semi-normalised associated Legendre functions of cos(theta),
// theta the geocentric colatitude, with their theta-derivatives and, for
// m > 0, P / sin(theta): the east component's term, kept finite at the poles
// by running the same recursion from P(m, m) / sin(theta).
struct Legendre {
    Table p{}, dp{}, pOverSin{};
};

Legendre legendre(double cosTheta, double sinTheta)
{
    Legendre l;
    l.p[0][0] = 1;
    l.p[1][1] = sinTheta;
    l.dp[1][1] = cosTheta;
    l.pOverSin[1][1] = 1;
    for (int n = 2; n <= kModelDegree; ++n) {
        const double k = std::sqrt((2.0 * n - 1) / (2.0 * n));
        l.p[n][n] = k * sinTheta * l.p[n - 1][n - 1];
        l.dp[n][n] = k * (cosTheta * l.p[n - 1][n - 1] + sinTheta * l.dp[n - 1][n - 1]);
        l.pOverSin[n][n] = k * sinTheta * l.pOverSin[n - 1][n - 1];
    }
    for (int m = 0; m < kModelDegree; ++m)
        for (int n = m + 1; n <= kModelDegree; ++n) {
            const double a = 2.0 * n - 1, b = std::sqrt(double((n - 1) * (n - 1) - m * m));
            const double c = std::sqrt(double(n * n - m * m));
            const double p2 = n >= 2 ? l.p[n - 2][m] : 0, dp2 = n >= 2 ? l.dp[n - 2][m] : 0;
            l.p[n][m] = (a * cosTheta * l.p[n - 1][m] - b * p2) / c;
            l.dp[n][m] = (a * (cosTheta * l.dp[n - 1][m] - sinTheta * l.p[n - 1][m]) - b * dp2) / c;
            if (m > 0)
                l.pOverSin[n][m] = (a * cosTheta * l.pOverSin[n - 1][m] - b * (n >= 2 ? l.pOverSin[n - 2][m] : 0)) / c;
        }
    return l;
}

struct Vector {
    double north = 0, east = 0, down = 0;
};

} // namespace

bool magneticModelCovers(double decimalYear)
{
    return decimalYear >= magneticModelFirstYear && decimalYear <= magneticModelLastYear;
}

std::optional<MagneticField> magneticField(double latitudeDeg, double longitudeDeg, double heightM, double decimalYear)
{
    if (!magneticModelCovers(decimalYear))
        return std::nullopt;

    // Geodetic to geocentric spherical: the model is a sum about the centre.
    const double lat = angles::radians(latitudeDeg), lon = angles::radians(longitudeDeg);
    const double e2 = kFlattening * (2 - kFlattening);
    const double primeVertical = kEquatorRadiusM / std::sqrt(1 - e2 * std::sin(lat) * std::sin(lat));
    const double p = (primeVertical + heightM) * std::cos(lat);
    const double z = (primeVertical * (1 - e2) + heightM) * std::sin(lat);
    const double r = std::hypot(p, z);
    const double latC = std::asin(z / r);
    const Legendre l = legendre(std::sin(latC), std::cos(latC));

    const double t = decimalYear - wmmEpochYear;
    Vector field, change;
    for (const WmmCoefficient &c : wmmCoefficients) {
        const double ratio = std::pow(kReferenceRadiusM / r, c.n + 2);
        const double cosM = std::cos(c.m * lon), sinM = std::sin(c.m * lon);
        const auto add = [&](Vector &v, double g, double h) {
            const double inPhase = g * cosM + h * sinM;
            // North is minus the colatitude's direction, down minus the radius'.
            v.north += ratio * inPhase * l.dp[c.n][c.m];
            v.east += c.m == 0 ? 0 : ratio * c.m * (g * sinM - h * cosM) * l.pOverSin[c.n][c.m];
            v.down -= ratio * (c.n + 1) * inPhase * l.p[c.n][c.m];
        };
        add(field, c.g + t * c.gDot, c.h + t * c.hDot);
        add(change, c.gDot, c.hDot);
    }

    // Back to the geodetic frame: turn north and down by the difference of
    // the two latitudes about the east axis.
    const double psi = latC - lat;
    const auto geodetic = [psi](const Vector &v) {
        return Vector{v.north * std::cos(psi) - v.down * std::sin(psi), v.east,
                      v.north * std::sin(psi) + v.down * std::cos(psi)};
    };
    const Vector b = geodetic(field), db = geodetic(change);
    const double h2 = b.north * b.north + b.east * b.east, horizontal = std::sqrt(h2);
    const double f2 = h2 + b.down * b.down;
    const double dHorizontal = (b.north * db.north + b.east * db.east) / horizontal;

    MagneticField out;
    out.declinationDeg = angles::degrees(std::atan2(b.east, b.north));
    out.inclinationDeg = angles::degrees(std::atan2(b.down, horizontal));
    out.declinationChangeDeg = angles::degrees((b.north * db.east - b.east * db.north) / h2);
    out.inclinationChangeDeg = angles::degrees((horizontal * db.down - b.down * dHorizontal) / f2);
    return out;
}

double decimalYearAtNoon(int year, int month, int day)
{
    using namespace std::chrono;
    const sys_days first{std::chrono::year{year} / January / 1};
    const sys_days date{std::chrono::year{year} / unsigned(month) / unsigned(day)};
    const double length = std::chrono::year{year}.is_leap() ? 366 : 365;
    return year + ((date - first).count() + 0.5) / length;
}

} // namespace orvane::sky
