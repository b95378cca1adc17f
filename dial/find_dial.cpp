#include "dial/find_dial.h"

#include "dial/face_frame.h"

#include "angles/angles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

namespace orvane::dial {

namespace {

// Upright walls at the poles hold the style in their plane.
constexpr double kMaxLatitude = 89.99;
// The starts: local minima of the misfit on this grid, the best of them.
constexpr double kLatitudeStep = 1, kFacingStep = 3;
constexpr std::size_t kMostStarts = 40;
// Fits this close in latitude and facing (degrees) are one dial: nearer
// than the lines' misfit can tell apart (a fit stuck on a crease of the
// misfit, where the root crosses the foot, ends a little off).
constexpr double kSameDial = 0.5;
// The central difference's step (degrees): the angles are smooth to far
// below it, and rounding stays far below the fit's 1e-6.
constexpr double kStep = 1e-6;

using Params = std::array<double, 2>; // latitude, facing

DialInput faceOf(const DialKind &kind, const Params &p)
{
    DialInput given;
    given.type = kind.type;
    given.latitude = p[0];
    given.facing = p[1];
    given.nodusHeight = 1;
    return kind.faces(given).front().input;
}

// A face's lines as the layout lays them and the table reads their angles,
// with no plate to cut them; the frame and the root worked out once.
class FaceLines {
public:
    explicit FaceLines(const DialInput &face) : face_(face), frame_(faceFrame(face))
    {
        layout_.root = styleRoot(frame_);
    }

    double angle(double hour) const
    {
        const PlatePoint root = layout_.root.value_or(PlatePoint{});
        const PlatePoint d = hourLineDirection(frame_, hourAngleOf(face_, hour));
        return hourLineAngle(face_, layout_, HourLine{hour, {}, {root, {root.x + d.x, root.y + d.y}}, {}, 0, {}});
    }

private:
    DialInput face_;
    FaceFrame frame_;
    DialLayout layout_;
};

class Misfit {
public:
    Misfit(const DialKind &kind, const std::vector<MeasuredLine> &lines)
        : kind_(kind), lines_(lines), unknowns_(unknownsOf(kind))
    {}

    int unknowns() const { return unknowns_; }

    Params bounded(Params p) const
    {
        p[0] = std::clamp(p[0], -kMaxLatitude, kMaxLatitude);
        p[1] = unknowns_ > 1 ? angles::wrap360(p[1]) : 180;
        return p;
    }

    std::vector<double> residuals(const Params &p) const
    {
        const FaceLines face(faceOf(kind_, p));
        std::vector<double> r;
        for (const MeasuredLine &l : lines_)
            r.push_back(angles::wrap180(face.angle(l.hour) - l.angleDeg));
        return r;
    }

    double cost(const Params &p) const
    {
        double sum = 0;
        for (double r : residuals(p))
            sum += r * r;
        return sum;
    }

    // A dial the lines could come from: each measured hour lit on some day,
    // and the lines meeting at a root.
    bool possible(const Params &p) const
    {
        const DialInput face = faceOf(kind_, p);
        const FaceFrame f = faceFrame(face);
        if (!styleRoot(f))
            return false;
        return std::all_of(lines_.begin(), lines_.end(),
                           [&](const MeasuredLine &l) { return hourLit(f, hourAngleOf(face, l.hour)); });
    }

    FoundDial found(const Params &p) const
    {
        FoundDial d;
        d.latitude = p[0];
        if (unknowns_ > 1)
            d.facing = p[1];
        const FaceLines face(faceOf(kind_, p));
        for (const MeasuredLine &l : lines_)
            d.fittedDeg.push_back(face.angle(l.hour));
        d.rmsDeg = std::sqrt(cost(p) / double(lines_.size()));
        return d;
    }

private:
    const DialKind &kind_;
    const std::vector<MeasuredLine> &lines_;
    int unknowns_;
};

// Levenberg-Marquardt from `p`, the Jacobian by central differences.
Params refine(const Misfit &m, Params p)
{
    const int n = m.unknowns();
    double cost = m.cost(p);
    double lambda = 1e-3;
    for (int iteration = 0; iteration < 200 && cost > 0; ++iteration) {
        const std::vector<double> r = m.residuals(p);
        std::array<std::vector<double>, 2> jacobian;
        for (int k = 0; k < n; ++k) {
            Params up = p, down = p;
            up[std::size_t(k)] += kStep;
            down[std::size_t(k)] -= kStep;
            const std::vector<double> ru = m.residuals(up), rd = m.residuals(down);
            for (std::size_t i = 0; i < r.size(); ++i)
                jacobian[std::size_t(k)].push_back(angles::wrap180(ru[i] - rd[i]) / (2 * kStep));
        }
        double a[2][2] = {{0, 0}, {0, 0}}, g[2] = {0, 0};
        for (int j = 0; j < n; ++j) {
            for (std::size_t i = 0; i < r.size(); ++i)
                g[j] += jacobian[std::size_t(j)][i] * r[i];
            for (int k = 0; k < n; ++k)
                for (std::size_t i = 0; i < r.size(); ++i)
                    a[j][k] += jacobian[std::size_t(j)][i] * jacobian[std::size_t(k)][i];
        }
        bool better = false;
        double moved = 0;
        for (; lambda < 1e12 && !better; lambda *= 10) {
            double d[2] = {0, 0};
            const double a00 = a[0][0] * (1 + lambda) + 1e-12, a11 = a[1][1] * (1 + lambda) + 1e-12;
            if (n == 1) {
                d[0] = -g[0] / a00;
            } else {
                const double det = a00 * a11 - a[0][1] * a[1][0];
                d[0] = -(a11 * g[0] - a[0][1] * g[1]) / det;
                d[1] = -(a00 * g[1] - a[1][0] * g[0]) / det;
            }
            const Params q = m.bounded({p[0] + d[0], p[1] + d[1]});
            const double c = m.cost(q);
            if (c < cost) {
                moved = std::hypot(d[0], d[1]);
                better = true;
                p = q;
                cost = c;
                lambda = std::max(lambda / 100, 1e-12);
            }
        }
        if (!better || moved < 1e-10)
            break;
    }
    return p;
}

// Local minima of the misfit over the grid of latitudes and facings, the
// lowest first.
std::vector<Params> starts(const Misfit &m)
{
    const int rows = int(std::lround(2 * std::floor(kMaxLatitude) / kLatitudeStep)) + 1;
    const int cols = m.unknowns() > 1 ? int(std::lround(360 / kFacingStep)) : 1;
    const auto at = [&](int i, int j) {
        return m.bounded({-std::floor(kMaxLatitude) + i * kLatitudeStep, j * kFacingStep});
    };
    std::vector<double> cost(std::size_t(rows * cols));
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j)
            cost[std::size_t(i * cols + j)] = m.cost(at(i, j));
    std::vector<std::pair<double, Params>> minima;
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) {
            const double c = cost[std::size_t(i * cols + j)];
            bool lowest = true;
            for (int di = -1; di <= 1 && lowest; ++di)
                for (int dj = -1; dj <= 1 && lowest; ++dj) {
                    const int ni = i + di, nj = (j + dj + cols) % cols;
                    if (ni >= 0 && ni < rows)
                        lowest = cost[std::size_t(ni * cols + nj)] >= c;
                }
            if (lowest)
                minima.emplace_back(c, at(i, j));
        }
    std::sort(minima.begin(), minima.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<Params> out;
    for (std::size_t k = 0; k < minima.size() && k < kMostStarts; ++k)
        out.push_back(minima[k].second);
    return out;
}

bool sameDial(const FoundDial &a, const FoundDial &b)
{
    return std::fabs(a.latitude - b.latitude) < kSameDial &&
           std::fabs(angles::wrap180(a.facing.value_or(0) - b.facing.value_or(0))) < kSameDial;
}

} // namespace

bool findableKind(const DialKind &kind)
{
    return kind.layout == layoutDial && !kind.takes(DialSetting::Tilt) && !kind.mayOmit(DialSetting::Facing) &&
           kind.faces && kind.faces(DialInput{}).size() == 1;
}

int unknownsOf(const DialKind &kind) { return kind.takes(DialSetting::Facing) ? 2 : 1; }

double lineAngleOn(const DialKind &kind, double latitude, double facing, double hour)
{
    return FaceLines(faceOf(kind, {latitude, facing})).angle(hour);
}

DialSearch findDial(const DialKind &kind, const std::vector<MeasuredLine> &lines)
{
    const Misfit m(kind, lines);
    std::vector<FoundDial> fits;
    for (const Params &start : starts(m)) {
        const Params p = refine(m, start);
        if (!m.possible(p))
            continue;
        FoundDial d = m.found(p);
        const auto same = std::find_if(fits.begin(), fits.end(), [&](const FoundDial &f) { return sameDial(f, d); });
        if (same == fits.end())
            fits.push_back(std::move(d));
        else if (d.rmsDeg < same->rmsDeg)
            *same = std::move(d);
    }
    // Best first; dials that fit alike (mirror images) north first, then by facing.
    const auto key = [](const FoundDial &d) {
        return std::make_tuple(std::lround(d.rmsDeg * 1000), -d.latitude, d.facing.value_or(0));
    };
    std::sort(fits.begin(), fits.end(), [&](const FoundDial &a, const FoundDial &b) { return key(a) < key(b); });
    DialSearch search;
    if (!fits.empty())
        search.closest = fits.front();
    for (const FoundDial &d : fits)
        if (d.rmsDeg <= kFoundDialMisfit)
            search.found.push_back(d);
    return search;
}

} // namespace orvane::dial
