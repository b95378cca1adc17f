#pragma once
// The accepted site of the main window's last calculation, as the run-time
// modules (the Field Sheet, the Dial Designer) receive it, on either side of
// their C entry points.

#include "text/accepted_site.h"

#include <QByteArray>

extern "C" {

// Plain C types only, so the two sides need not agree on more than this.
struct OrvaneSiteRequest {
    int year;
    int month;
    int day;
    double latitude;      // degrees, north positive
    double longitude;     // degrees, east positive
    int west;             // the longitude was entered as west of Greenwich
    int utcOffsetMinutes; // the zone's standard offset
    int daylightSaving;   // the clock shows daylight-saving time
    int zoneIndex;        // the time-zone list's entry, -1 for none
    const char *zoneId;   // the zone whose rules give the clock day by day, "" for none
    int entryRegion;      // that zone is the entry's region, not the date clock's own
};

} // extern "C"

namespace orvane {

// The C form borrows `zoneId`, which must outlive it.
inline OrvaneSiteRequest toC(const AcceptedSite &s, const QByteArray &zoneId)
{
    return OrvaneSiteRequest{s.date.year(),
                             s.date.month(),
                             s.date.day(),
                             s.latitude,
                             s.longitude,
                             s.west ? 1 : 0,
                             s.clock.utcOffsetMinutes,
                             s.clock.daylightSaving ? 1 : 0,
                             s.clock.zoneIndex,
                             zoneId.constData(),
                             s.clock.entryRegion ? 1 : 0};
}

inline QByteArray zoneIdOf(const AcceptedSite &s) { return s.clock.zone ? s.clock.zone->id() : QByteArray(); }

// The C form together with the zone name it borrows, for one call:
// `module.update(SiteRequestForC(site).get())`.
class SiteRequestForC {
public:
    explicit SiteRequestForC(const AcceptedSite &s) : zoneId_(zoneIdOf(s)), request_(toC(s, zoneId_)) {}
    SiteRequestForC(const SiteRequestForC &) = delete;
    SiteRequestForC &operator=(const SiteRequestForC &) = delete;
    const OrvaneSiteRequest *get() const { return &request_; }

private:
    QByteArray zoneId_; // before request_, which borrows it
    OrvaneSiteRequest request_;
};

inline AcceptedSite fromC(const OrvaneSiteRequest &c)
{
    AcceptedSite s{QDate(c.year, c.month, c.day), c.latitude, c.longitude, c.west != 0, {}};
    s.clock.utcOffsetMinutes = c.utcOffsetMinutes;
    s.clock.daylightSaving = c.daylightSaving != 0;
    s.clock.zoneIndex = c.zoneIndex;
    if (c.zoneId && *c.zoneId)
        s.clock.zone = QTimeZone(QByteArray(c.zoneId));
    s.clock.entryRegion = s.clock.zone && c.entryRegion != 0;
    return s;
}

} // namespace orvane
