#include "zone_clocks.h"

#include <QDateTime>

#include <algorithm>

namespace orvane {

ZoneClocks::ZoneClocks(const QTimeZone &zone, int year) : zone_(zone)
{
    const QDateTime from(QDate(year - 1, 12, 30), QTime(0, 0), Qt::UTC);
    const QDateTime to(QDate(year + 1, 1, 3), QTime(0, 0), Qt::UTC);
    known_ = zone.hasTransitions() && from.isValid() && to.isValid();
    if (!known_)
        return;
    for (const QTimeZone::OffsetData &t : zone.transitions(from, to))
        transitions_.push_back(static_cast<double>(t.atUtc.toSecsSinceEpoch()));
}

SiteClock ZoneClocks::on(const QDate &date)
{
    // A day's clock is the one at its local noon, which lies within 14
    // hours of noon UTC: with no transition from 15 hours before the day
    // before's noon UTC to 15 hours after this one, it is the day before's.
    constexpr double day = 86400;
    const double noon = static_cast<double>(QDate(1970, 1, 1).daysTo(date)) * day + day / 2;
    const auto near = [noon](double t) { return t > noon - day - 15 * 3600 && t < noon + 15 * 3600; };
    if (!known_ || !last_ || lastDate_.addDays(1) != date ||
        std::any_of(transitions_.begin(), transitions_.end(), near))
        last_ = zoneClockOn(zone_, date);
    lastDate_ = date;
    return *last_;
}

} // namespace orvane
