#include "sun.h"

namespace orvane::sky {

namespace {

SunPosition toPosition(const LocalSun &s) { return {s.azimuthDeg(), s.altitudeDeg()}; }

} // namespace

Sun::Sun(const Site &site) : frame_(site.latitudeDeg, site.longitudeDeg, site.heightM) {}

Sun::Sun(const Site &site, std::shared_ptr<const DailyTermsTable> terms)
    : frame_(site.latitudeDeg, site.longitudeDeg, site.heightM), terms_(std::move(terms))
{}

SunPosition Sun::position(double utcSeconds)
{
    const TimeScales time = timeScalesFromUtc(utcSeconds);
    return toPosition(localSun(time, terms_.at(time.tt), frame_));
}

SunPosition sunPosition(double utcSeconds, const Site &site)
{
    const TimeScales time = timeScalesFromUtc(utcSeconds);
    const SiteFrame frame(site.latitudeDeg, site.longitudeDeg, site.heightM);
    return toPosition(localSun(time, exactTerms(time.tt), frame));
}

} // namespace orvane::sky
