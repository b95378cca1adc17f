#pragma once
// The compass beside the sun: where a needle points at the site on a date,
// from the World Magnetic Model, and the line the command line, the Field
// Sheet and the Dial Designer show for it.

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace orvane {

inline constexpr char kMagneticModelCredit[] = "Magnetic declination from the World Magnetic Model WMM2025 "
                                               "(NOAA NCEI and the British Geological Survey), public domain";

struct CompassReading {
    double declinationDeg = 0;  // the needle from true north, east positive
    double inclinationDeg = 0;  // the dip below the horizontal
    double annualChangeDeg = 0; // the declination's change a year, east positive
};

// "WMM2025".
QString magneticModelName();
// "2025.0 to 2030.0".
QString magneticModelYears();

// At noon UTC on `date`; none where the model does not cover the date.
std::optional<CompassReading> compassReading(double latitude, double longitude, const QDate &date);

// "Compass: its needle points 12.9° west of true north here (WMM2025 for this
// date, moving 0.1° a year eastward); ...", or without a reading that the
// model does not cover the date.
QString compassLine(const std::optional<CompassReading> &reading, const QLocale &locale);

} // namespace orvane
