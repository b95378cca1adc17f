#include "dial_settings.h"

#include "dial/dial_kinds.h"
#include "dial/plate.h"
#include "text/wording.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

double valueOf(DialSetting setting, const DialSettings &s)
{
    switch (setting) {
    case DialSetting::Facing:
        return s.facing;
    case DialSetting::Tilt:
        return s.tilt;
    case DialSetting::PlateWidth:
        return s.plateWidth;
    case DialSetting::PlateHeight:
        return s.plateHeight;
    case DialSetting::NodusHeight:
        return s.nodusHeight;
    case DialSetting::HalfWidth:
        return s.halfWidth;
    }
    return 0;
}

} // namespace

SettingRange settingRange(DialSetting setting, const DialSettings &s)
{
    switch (setting) {
    case DialSetting::Facing:
        return {0, 360};
    case DialSetting::Tilt:
        return {0, 180};
    case DialSetting::PlateWidth:
    case DialSetting::PlateHeight:
        return {dial::kMinPlateSide, dial::kMaxPlateSide};
    case DialSetting::NodusHeight: {
        const SettingRange side{dial::kMinPlateSide, dial::kMaxPlateSide};
        const double width = side.holds(s.plateWidth) ? s.plateWidth : dial::kMaxPlateSide;
        const double height = side.holds(s.plateHeight) ? s.plateHeight : dial::kMaxPlateSide;
        return {dial::kMinNodusHeight, std::min(width, height)};
    }
    case DialSetting::HalfWidth:
        return {dial::kMinHalfWidth, dial::kMaxHalfWidth};
    }
    return {};
}

std::vector<SettingProblem> checkDialSettings(const DialSettings &s)
{
    std::vector<SettingProblem> problems;
    const dial::DialKind &kind = dial::dialKind(s.type);
    for (DialSetting setting : {DialSetting::Facing, DialSetting::Tilt, DialSetting::PlateWidth,
                                DialSetting::PlateHeight, DialSetting::NodusHeight, DialSetting::HalfWidth}) {
        if (setting == DialSetting::Facing && (!kind.takesFacing || (kind.facingOptional && std::isnan(s.facing))))
            continue;
        if (setting == DialSetting::Tilt && !kind.takesTilt)
            continue;
        if (setting == DialSetting::HalfWidth
                ? !kind.takesHalfWidth
                : setting != DialSetting::Facing && setting != DialSetting::Tilt && !kind.takesPlate)
            continue;
        const SettingRange range = settingRange(setting, s);
        if (!range.holds(valueOf(setting, s)))
            problems.push_back({setting, range});
    }
    return problems;
}

QString aDialKind(const dial::DialKind &kind)
{
    const QString title = QString::fromUtf8(kind.title).toLower();
    return (QStringLiteral("aeiou").contains(title.front()) ? QStringLiteral("an ") : QStringLiteral("a ")) + title;
}

QString dialLatitudeProblem(const DialSettings &settings, double latitude)
{
    const dial::DialKind &kind = dial::dialKind(settings.type);
    if (std::fabs(latitude) >= kind.minLatitude && std::fabs(latitude) <= kind.maxLatitude)
        return {};
    return QStringLiteral("%1 needs a latitude from %2° to %3°, north or south: %4")
        .arg(firstUpper(aDialKind(kind)))
        .arg(kind.minLatitude)
        .arg(kind.maxLatitude)
        .arg(QString::fromUtf8(kind.latitudeReason ? kind.latitudeReason : ""));
}

std::vector<dial::DialFace> dialFaces(const AcceptedSite &site, const DialSettings &settings)
{
    const dial::DialKind &kind = dial::dialKind(settings.type);
    dial::DialInput given;
    given.latitude = site.latitude;
    given.longitude = site.longitude;
    given.type = settings.type;
    given.facing = kind.takesFacing ? settings.facing : 180;
    given.tilt = kind.takesTilt ? settings.tilt : 0;
    given.nodusHeight = settings.nodusHeight;
    given.stepMinutes = settings.stepMinutes;
    given.time = settings.time;
    given.zoneMeridian = site.clock.zoneMeridian();
    given.halfWidth = settings.halfWidth;
    std::vector<dial::DialFace> faces = kind.faces(given);
    for (dial::DialFace &face : faces)
        face.input.plate = kind.plate(face.input, settings.plateWidth, settings.plateHeight);
    return faces;
}

} // namespace orvane
