#pragma once
// A zone's clock day after day through a year, as zoneClockOn gives it, with
// the zone's rules asked again only around its transitions rather than on
// every day.
#include "accepted_site.h"

#include <QDate>
#include <QTimeZone>

#include <optional>
#include <vector>

namespace orvane {

class ZoneClocks {
public:
    // Days from the last of the year before to the first of the next.
    ZoneClocks(const QTimeZone &zone, int year);

    // Fastest asked day after day.
    SiteClock on(const QDate &date);

private:
    QTimeZone zone_;
    bool known_ = false;
    std::vector<double> transitions_; // UTC, POSIX seconds
    std::optional<SiteClock> last_;
    QDate lastDate_;
};

} // namespace orvane
