#include "site_json.h"

namespace orvane {

void writeSiteJson(JsonWriter &w, const FieldInputs &in, const QString &zoneName, const std::optional<SitePlace> &place,
                   const std::optional<CompassReading> &compass)
{
    w.beginObject("site");
    w.value("date", in.date.toString(Qt::ISODate));
    w.value("latitude", in.latitude, 6);
    w.value("longitude", in.longitude, 6);
    w.value("utc_offset_minutes", in.clock.utcOffsetMinutes);
    w.value("daylight_saving", in.clock.daylightSaving);
    w.value("clock_offset_minutes", in.clock.offsetSeconds() / 60);
    if (!zoneName.isEmpty())
        w.value("zone", zoneName);
    if (place)
        writeSitePlaceJson(w, *place);
    if (compass) {
        // To the published test values' 0.01 degree; the drift a year to 0.001.
        w.beginObject("magnetic", true);
        w.value("declination_deg", compass->declinationDeg, 2);
        w.value("inclination_deg", compass->inclinationDeg, 2);
        w.value("annual_change_deg", compass->annualChangeDeg, 3);
        w.value("model", magneticModelName());
        w.endObject();
    }
    w.endObject();
}

} // namespace orvane
