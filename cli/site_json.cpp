#include "site_json.h"

namespace orvane {

void writeSiteJson(JsonWriter &w, const FieldInputs &in, const QString &zoneName, const std::optional<SitePlace> &place)
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
    w.endObject();
}

} // namespace orvane
