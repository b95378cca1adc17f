#pragma once
// Brent's method: a root of a continuous function in a bracket whose ends
// have opposite signs, with secant and inverse quadratic steps where the
// function is smooth and bisection where they would stall.
#include <cmath>
#include <utility>

namespace orvane::sky {

// fa = f(a), fb = f(b), of opposite signs (or one zero). Returns x with the
// root within tolerance of it.
template <typename F>
double brentRoot(F &&f, double a, double fa, double b, double fb, double tolerance)
{
    if (fa == 0)
        return a;
    if (fb == 0)
        return b;
    double c = a, fc = fa;
    double d = b - a, e = d;
    for (int iteration = 0; iteration < 100; ++iteration) {
        if ((fb > 0) == (fc > 0)) { // keep the root between b and c
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) { // b is the best estimate
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = 2 * 1e-16 * std::fabs(b) + tolerance / 2;
        const double m = (c - b) / 2;
        if (std::fabs(m) <= tol || fb == 0)
            return b;
        if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
            double p, q;
            const double s = fb / fa;
            if (a == c) { // secant
                p = 2 * m * s;
                q = 1 - s;
            } else { // inverse quadratic
                const double qa = fa / fc, r = fb / fc;
                p = s * (2 * m * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            else
                p = -p;
            if (2 * p < std::fmin(3 * m * q - std::fabs(tol * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = e = m;
            }
        } else {
            d = e = m;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol ? d : (m > 0 ? tol : -tol);
        fb = f(b);
    }
    return b;
}

} // namespace orvane::sky
