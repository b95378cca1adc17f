#include "dial_settings.h"

#include "dial/dial_kinds.h"
#include "dial/plate.h"

#include <algorithm>

namespace orvane {

namespace {

double valueOf(DialSetting setting, const DialSettings &s)
{
    switch (setting) {
    case DialSetting::Facing:
        return s.facing;
    case DialSetting::PlateWidth:
        return s.plateWidth;
    case DialSetting::PlateHeight:
        return s.plateHeight;
    case DialSetting::NodusHeight:
        return s.nodusHeight;
    }
    return 0;
}

} // namespace

SettingRange settingRange(DialSetting setting, const DialSettings &s)
{
    switch (setting) {
    case DialSetting::Facing:
        return {0, 360};
    case DialSetting::PlateWidth:
    case DialSetting::PlateHeight:
        return {dial::kMinPlateSide, dial::kMaxPlateSide};
    case DialSetting::NodusHeight: {
        const SettingRange side{dial::kMinPlateSide, dial::kMaxPlateSide};
        const double width = side.holds(s.plateWidth) ? s.plateWidth : dial::kMaxPlateSide;
        const double height = side.holds(s.plateHeight) ? s.plateHeight : dial::kMaxPlateSide;
        return {dial::kMinNodusHeight, std::min(width, height)};
    }
    }
    return {};
}

std::vector<SettingProblem> checkDialSettings(const DialSettings &s)
{
    std::vector<SettingProblem> problems;
    for (DialSetting setting :
         {DialSetting::Facing, DialSetting::PlateWidth, DialSetting::PlateHeight, DialSetting::NodusHeight}) {
        if (setting == DialSetting::Facing && !dial::dialKind(s.type).takesFacing)
            continue;
        const SettingRange range = settingRange(setting, s);
        if (!range.holds(valueOf(setting, s)))
            problems.push_back({setting, range});
    }
    return problems;
}

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
