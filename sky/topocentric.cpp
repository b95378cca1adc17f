#include "topocentric.h"

#include "angles/angles.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace orvane::sky {

namespace {

double dot(const double a[3], const double b[3]) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

double norm(const double a[3]) { return std::sqrt(dot(a, a)); }

} // namespace

SiteFrame::SiteFrame(double latitudeDeg, double longitudeDeg, double heightM)
{
    const double phi = latitudeDeg * ERFA_DD2R;
    const double lambda = longitudeDeg * ERFA_DD2R;
    double xyz[3];
    eraGd2gc(ERFA_WGS84, lambda, phi, heightM, xyz);
    const double sp = std::sin(phi), cp = std::cos(phi);
    const double sl = std::sin(lambda), cl = std::cos(lambda);
    for (int i = 0; i < 3; ++i)
        geocentric[i] = xyz[i] / ERFA_DAU;
    // The local vertical is the ellipsoid's normal (geodetic latitude).
    const double e[3] = {-sl, cl, 0};
    const double n[3] = {-sp * cl, -sp * sl, cp};
    const double u[3] = {cp * cl, cp * sl, sp};
    const double m[3] = {cl, sl, 0};
    for (int i = 0; i < 3; ++i) {
        east[i] = e[i];
        north[i] = n[i];
        up[i] = u[i];
        meridian[i] = m[i];
    }
}

double LocalSun::azimuthDeg() const { return angles::wrap360(std::atan2(east, north) * ERFA_DR2D); }

double LocalSun::altitudeDeg() const { return std::atan2(up, std::hypot(east, north)) * ERFA_DR2D; }

LocalSun localSun(const TimeScales &time, const DailyTerms &terms, const SiteFrame &site)
{
    // Geocentric sun: the Earth's heliocentric position reversed, with the
    // sun taken back by the light time along its (tiny) barycentric motion.
    const double *earth = terms.earthPosition;
    const double distance = norm(earth);
    const double lightTimeDays = distance * ERFA_AULT / ERFA_DAYSEC;
    double p[3];
    for (int i = 0; i < 3; ++i) {
        const double sunBaryVelocity = terms.earthBaryVelocity[i] - terms.earthVelocity[i];
        p[i] = -earth[i] - lightTimeDays * sunBaryVelocity;
    }
    const double range = norm(p);
    double natural[3], v[3];
    for (int i = 0; i < 3; ++i) {
        natural[i] = p[i] / range;
        v[i] = terms.earthBaryVelocity[i] * ERFA_AULT / ERFA_DAYSEC; // in units of c
    }
    double apparent[3];
    eraAb(natural, v, distance, std::sqrt(1 - dot(v, v)), apparent);

    // To the true equator and equinox of date, then about the pole by GST.
    double q[3];
    for (int i = 0; i < 3; ++i)
        q[i] = range * dot(terms.npb[i], apparent);
    const double gst = eraEra00(time.ut1.day, time.ut1.fraction) - terms.equationOfOrigins;
    const double sg = std::sin(gst), cg = std::cos(gst);
    double s[3] = {cg * q[0] + sg * q[1], -sg * q[0] + cg * q[1], q[2]};
    for (int i = 0; i < 3; ++i)
        s[i] -= site.geocentric[i];

    const double r = norm(s);
    LocalSun out;
    out.east = dot(s, site.east) / r;
    out.north = dot(s, site.north) / r;
    out.up = dot(s, site.up) / r;
    out.hourAngle = std::atan2(-out.east, dot(s, site.meridian) / r);
    return out;
}

} // namespace orvane::sky
