#pragma once
// The accepted site of the main window's last calculation, as the run-time
// modules (the Field Sheet, the Dial Designer) receive it, on either side of
// their C entry points.

#include <QByteArray>
#include <QDate>
#include <QString>

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
    const char *zoneText; // UTF-8: the time-zone list's entry
};

} // extern "C"

namespace orvane {

struct SiteRequest {
    QDate date;
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    bool west = false;    // entered as west of Greenwich
    int utcOffsetMinutes = 0;
    bool daylightSaving = false;
    QString zoneText; // the time-zone list's entry

    // The zone's meridian, degrees east: 15 degrees for each hour of offset.
    double zoneMeridian() const { return utcOffsetMinutes / 4.0; }
    bool operator==(const SiteRequest &) const = default;
};

// The C form borrows `zoneUtf8`, which must outlive it.
inline OrvaneSiteRequest toC(const SiteRequest &r, const QByteArray &zoneUtf8)
{
    return OrvaneSiteRequest{r.date.year(),       r.date.month(), r.date.day(),       r.latitude,
                             r.longitude,         r.west ? 1 : 0, r.utcOffsetMinutes, r.daylightSaving ? 1 : 0,
                             zoneUtf8.constData()};
}

inline SiteRequest fromC(const OrvaneSiteRequest &c)
{
    return SiteRequest{
        QDate(c.year, c.month, c.day), c.latitude, c.longitude, c.west != 0, c.utcOffsetMinutes, c.daylightSaving != 0,
        QString::fromUtf8(c.zoneText)};
}

} // namespace orvane
