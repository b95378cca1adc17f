#pragma once
// The site a dial is designed for, on either side of the module's C entry
// points.

#include "designer_module_api.h"

#include <QByteArray>
#include <QDate>
#include <QString>

namespace orvane {

struct DesignerRequest {
    QDate date;
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    bool west = false;    // entered as west of Greenwich
    int utcOffsetMinutes = 0;
    bool daylightSaving = false;
    QString zoneText; // the time-zone list's entry

    // The zone's meridian, degrees east: 15 degrees for each hour of offset.
    double zoneMeridian() const { return utcOffsetMinutes / 4.0; }

    bool operator==(const DesignerRequest &) const = default;
};

// The C form borrows `zoneUtf8`, which must outlive it.
inline OrvaneDesignerRequest toC(const DesignerRequest &r, const QByteArray &zoneUtf8)
{
    return OrvaneDesignerRequest{r.date.year(),       r.date.month(), r.date.day(),       r.latitude,
                                 r.longitude,         r.west ? 1 : 0, r.utcOffsetMinutes, r.daylightSaving ? 1 : 0,
                                 zoneUtf8.constData()};
}

inline DesignerRequest fromC(const OrvaneDesignerRequest &c)
{
    return DesignerRequest{
        QDate(c.year, c.month, c.day), c.latitude, c.longitude, c.west != 0, c.utcOffsetMinutes, c.daylightSaving != 0,
        QString::fromUtf8(c.zoneText)};
}

} // namespace orvane
