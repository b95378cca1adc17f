#pragma once
// Time-zone names as the system knows them, and the nearest ones to a name
// it does not know.

#include <QString>
#include <QStringList>

namespace orvane {

// A name the system's time-zone database holds, or "UTC".
bool isKnownZoneName(const QString &name);

// Up to three known names nearest to `name`: the same letters in another
// case, the same city ("London" -> Europe/London), or a few letters apart.
QStringList nearestZoneNames(const QString &name);

} // namespace orvane
