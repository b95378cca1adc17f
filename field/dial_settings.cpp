#include "dial_settings.h"

#include "dial/plate.h"

namespace orvane {

dial::DialInput dialInput(const AcceptedSite &site, const DialSettings &settings)
{
    dial::DialInput in;
    in.latitude = site.latitude;
    in.longitude = site.longitude;
    in.type = settings.type;
    in.facing = settings.facing;
    in.nodusHeight = settings.nodusHeight;
    in.stepMinutes = settings.stepMinutes;
    in.time = settings.time;
    in.zoneMeridian = site.clock.zoneMeridian();
    in.plate = dial::plateAround(in, settings.plateWidth, settings.plateHeight);
    return in;
}

} // namespace orvane
