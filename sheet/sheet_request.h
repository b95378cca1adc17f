#pragma once
// The inputs a field sheet is made for, on either side of the module's C
// entry points.

#include "sheet_module_api.h"

#include <QByteArray>
#include <QDate>
#include <QString>

namespace orvane {

struct SheetRequest {
    QDate date;
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    bool west = false;    // entered as west of Greenwich
    int utcOffsetMinutes = 0;
    bool daylightSaving = false;
    QString zoneText; // the time-zone list's entry

    bool operator==(const SheetRequest &) const = default;
};

// The C form borrows `zoneUtf8`, which must outlive it.
inline OrvaneSheetRequest toC(const SheetRequest &r, const QByteArray &zoneUtf8)
{
    return OrvaneSheetRequest{r.date.year(),       r.date.month(), r.date.day(),       r.latitude,
                              r.longitude,         r.west ? 1 : 0, r.utcOffsetMinutes, r.daylightSaving ? 1 : 0,
                              zoneUtf8.constData()};
}

inline SheetRequest fromC(const OrvaneSheetRequest &c)
{
    return SheetRequest{
        QDate(c.year, c.month, c.day), c.latitude, c.longitude, c.west != 0, c.utcOffsetMinutes, c.daylightSaving != 0,
        QString::fromUtf8(c.zoneText)};
}

} // namespace orvane
