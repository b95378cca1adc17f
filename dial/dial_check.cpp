#include "dial/dial_check.h"

#include "angles/angles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace orvane::dial {

namespace {

using Matrix3 = std::array<std::array<double, 3>, 3>;

// v turned by `angle` radians about the unit vector k, right-handed.
Vec3 rotated(Vec3 v, Vec3 k, double angle)
{
    const Vec3 kv{k.n * v.u - k.u * v.n, k.u * v.e - k.e * v.u, k.e * v.n - k.n * v.e};
    const double c = std::cos(angle), s = std::sin(angle);
    return c * v + s * kv + (dot(k, v) * (1 - c)) * k;
}

// Hours from b to a, in (-12, 12].
double hoursBetween(double a, double b) { return angles::wrap180(15 * (a - b)) / 15; }

bool level(const FaceFrame &f) { return std::fabs(f.yAxis.u) < 1e-9; }

// The dial as the fit turns it, worked out once: its frame, the level line
// it leans about, and how far its lines stand from sun time (degrees).
struct Standing {
    FaceFrame frame;
    Vec3 leanAxis;
    double shiftDeg = 0;
};

Standing standing(const DialInput &face)
{
    Standing d{faceFrame(face), {}, face.time == DialTime::Zone ? face.longitude - face.zoneMeridian : 0};
    // A level face leans towards the equator: its y edge, north, rises in
    // the north and falls in the south.
    d.leanAxis = level(d.frame) && face.latitude < 0 ? -1.0 * d.frame.xAxis : d.frame.xAxis;
    return d;
}

// The sun's hour angle about the dial's style, degrees west of its noon.
double hourAngleDeg(const FaceFrame &f, Vec3 sun)
{
    return angles::degrees(std::atan2(dot(sun, f.equatorWest), dot(sun, f.equatorNoon)));
}

// What the dial standing so reads for the sun in direction `sun`: hours
// after midnight in its own time, [0, 24). It stands as drawn turned by the
// lean, then by the turn about the vertical; the sun seen from it is turned
// back.
double reading(const Standing &d, Vec3 sun, double turnDeg, double leanDeg)
{
    const Vec3 down{0, 0, -1};
    const Vec3 s = rotated(rotated(sun, down, -angles::radians(turnDeg)), d.leanAxis, -angles::radians(leanDeg));
    return angles::wrap360(180 + hourAngleDeg(d.frame, s) - d.shiftDeg) / 15;
}

std::optional<Matrix3> inverse(const Matrix3 &m)
{
    Matrix3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            const int i1 = (j + 1) % 3, i2 = (j + 2) % 3, j1 = (i + 1) % 3, j2 = (i + 2) % 3;
            r[i][j] = m[i1][j1] * m[i2][j2] - m[i1][j2] * m[i2][j1];
        }
    const double det = m[0][0] * r[0][0] + m[0][1] * r[1][0] + m[0][2] * r[2][0];
    double scale = 0;
    for (const auto &row : m)
        for (double v : row)
            scale = std::fmax(scale, std::fabs(v));
    if (!(std::fabs(det) > 1e-12 * scale * scale * scale))
        return std::nullopt;
    for (auto &row : r)
        for (double &v : row)
            v /= det;
    return r;
}

struct Jacobian {
    std::vector<std::array<double, 3>> rows; // minutes per degree, per degree, per minute
    std::vector<double> residuals;           // observed minus modelled, minutes
};

Jacobian linearise(const Standing &d, const std::vector<CheckReading> &readings, const std::array<double, 3> &p)
{
    constexpr double kStepDeg = 1e-3;
    Jacobian j;
    for (const CheckReading &r : readings) {
        const double model = reading(d, r.sun, p[0], p[1]) + p[2] / 60;
        const double dTurn =
            hoursBetween(reading(d, r.sun, p[0] + kStepDeg, p[1]), reading(d, r.sun, p[0] - kStepDeg, p[1]));
        const double dLean =
            hoursBetween(reading(d, r.sun, p[0], p[1] + kStepDeg), reading(d, r.sun, p[0], p[1] - kStepDeg));
        j.rows.push_back({dTurn * 60 / (2 * kStepDeg), dLean * 60 / (2 * kStepDeg), 1.0});
        j.residuals.push_back(hoursBetween(r.dialHours, model) * 60);
    }
    return j;
}

Matrix3 normalMatrix(const Jacobian &j)
{
    Matrix3 m{};
    for (const auto &row : j.rows)
        for (int a = 0; a < 3; ++a)
            for (int b = 0; b < 3; ++b)
                m[a][b] += row[a] * row[b];
    return m;
}

// The pair whose estimates move most nearly together.
CheckConfusion mostConfused(const Matrix3 &c)
{
    const auto corr = [&](int a, int b) { return std::fabs(c[a][b]) / std::sqrt(c[a][a] * c[b][b]); };
    const double tl = corr(0, 1), to = corr(0, 2), lo = corr(1, 2);
    if (tl >= to && tl >= lo)
        return CheckConfusion::TurnLean;
    return to >= lo ? CheckConfusion::TurnOffset : CheckConfusion::LeanOffset;
}

} // namespace

bool levelFace(const DialInput &face) { return level(faceFrame(face)); }

CheckFit checkDial(const DialInput &face, const std::vector<CheckReading> &readings)
{
    CheckFit fit;
    const Standing d = standing(face);
    fit.nearNoon = true;
    for (const CheckReading &r : readings) {
        fit.expectedHours.push_back(reading(d, r.sun, 0, 0));
        fit.errorMin.push_back(hoursBetween(r.dialHours, fit.expectedHours.back()) * 60);
        fit.nearNoon = fit.nearNoon && std::fabs(hourAngleDeg(d.frame, r.sun)) < 15 * kCheckNearNoonHours;
    }
    const auto [first, last] = std::minmax_element(readings.begin(), readings.end(),
                                                   [](const auto &a, const auto &b) { return a.day < b.day; });
    fit.fewDays = readings.empty() || last->day - first->day < kCheckMinDays;
    if (readings.size() < 4) {
        fit.confusion = CheckConfusion::TooFew;
        return fit;
    }
    std::array<double, 3> p{0, 0, 0};
    std::optional<Matrix3> covariance; // per square minute of reading error
    Jacobian j;
    for (int iteration = 0; iteration < 30; ++iteration) {
        j = linearise(d, readings, p);
        covariance = inverse(normalMatrix(j));
        if (!covariance)
            break;
        std::array<double, 3> step{};
        for (int a = 0; a < 3; ++a)
            for (std::size_t i = 0; i < j.rows.size(); ++i)
                for (int b = 0; b < 3; ++b)
                    step[a] += (*covariance)[a][b] * j.rows[i][b] * j.residuals[i];
        for (int a = 0; a < 3; ++a)
            p[a] += step[a];
        if (std::fabs(step[0]) + std::fabs(step[1]) < 1e-10 && std::fabs(step[2]) < 1e-9)
            break;
    }
    if (!covariance) {
        fit.confusion = CheckConfusion::TurnLean;
        return fit;
    }
    const Matrix3 &c = *covariance;
    if (fit.fewDays || fit.nearNoon || std::sqrt(c[0][0]) > kCheckTellableSdDeg ||
        std::sqrt(c[1][1]) > kCheckTellableSdDeg) {
        fit.confusion = mostConfused(c);
        return fit;
    }
    j = linearise(d, readings, p);
    double sum = 0;
    for (double r : j.residuals) {
        fit.residualMin.push_back(r);
        sum += r * r;
    }
    const double n = double(readings.size());
    fit.rmsMin = std::sqrt(sum / n);
    const double variance = sum / (n - 3);
    fit.turnDeg = p[0];
    fit.leanDeg = p[1];
    fit.offsetMin = p[2];
    fit.turnSdDeg = std::sqrt(variance * c[0][0]);
    fit.leanSdDeg = std::sqrt(variance * c[1][1]);
    fit.offsetSdMin = std::sqrt(variance * c[2][2]);
    return fit;
}

} // namespace orvane::dial
