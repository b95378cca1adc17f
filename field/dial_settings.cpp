#include "dial_settings.h"
#include "dial_setting_table.h"
#include "sun_year.h"

#include "dial/dial_kinds.h"
#include "text/translation.h"
#include "text/wording.h"

#include <cmath>

namespace orvane {

SettingRange settingRange(DialSetting setting, const DialSettings &s) { return settingRow(setting).range(s); }

std::vector<SettingProblem> checkDialSettings(const DialSettings &s)
{
    std::vector<SettingProblem> problems;
    const dial::DialKind &kind = dial::dialKind(s.type);
    for (const SettingRow &row : settingRows()) {
        const double value = s.*row.value;
        if (!kind.takes(row.setting) || (kind.mayOmit(row.setting) && std::isnan(value)))
            continue;
        const SettingRange range = row.range(s);
        if (!range.holds(value))
            problems.push_back({row.setting, range});
    }
    return problems;
}

QString aDialKind(const dial::DialKind &kind)
{
    // Whole, for languages whose article follows the noun's gender.
    static const struct {
        const char *title;
        const char *words;
    } kinds[] = {
        {"Horizontal dial", QT_TRANSLATE_NOOP("field", "a horizontal dial")},
        {"Vertical dial", QT_TRANSLATE_NOOP("field", "a vertical dial")},
        {"Plane dial", QT_TRANSLATE_NOOP("field", "a plane dial")},
        {"Polar dial", QT_TRANSLATE_NOOP("field", "a polar dial")},
        {"Equatorial dial", QT_TRANSLATE_NOOP("field", "an equatorial dial")},
        {"Analemmatic dial", QT_TRANSLATE_NOOP("field", "an analemmatic dial")},
        {"Noon mark", QT_TRANSLATE_NOOP("field", "a noon mark")},
        {"Bifilar dial", QT_TRANSLATE_NOOP("field", "a bifilar dial")},
    };
    for (const auto &k : kinds)
        if (qstrcmp(kind.title, k.title) == 0)
            return translate("field", k.words);
    const QString title = QString::fromUtf8(kind.title).toLower();
    return (QStringLiteral("aeiou").contains(title.front()) ? QStringLiteral("an ") : QStringLiteral("a ")) + title;
}

QString dialLatitudeProblem(const DialSettings &settings, double latitude)
{
    const dial::DialKind &kind = dial::dialKind(settings.type);
    if (std::fabs(latitude) >= kind.minLatitude && std::fabs(latitude) <= kind.maxLatitude)
        return {};
    return translate("field", "%1 needs a latitude from %2° to %3°, north or south: %4")
        .arg(firstUpper(aDialKind(kind)))
        .arg(kind.minLatitude)
        .arg(kind.maxLatitude)
        .arg(kind.latitudeReason ? translate("dial", kind.latitudeReason) : QString());
}

QString dialTimeProblem(const DialSettings &settings)
{
    const dial::DialKind &kind = dial::dialKind(settings.type);
    if (settings.time != dial::DialTime::Clock || !kind.clockTimeRefusal)
        return {};
    return firstUpper(translate("dial", kind.clockTimeRefusal));
}

QString hourSystemsProblem(const DialSettings &settings)
{
    const dial::DialKind &kind = dial::dialKind(settings.type);
    if ((settings.equalHours && settings.hourSystems.empty()) || !kind.oldHoursRefusal)
        return {};
    return firstUpper(translate("dial", kind.oldHoursRefusal));
}

std::vector<dial::DialFace> dialFaces(const AcceptedSite &site, const DialSettings &settings)
{
    const dial::DialKind &kind = dial::dialKind(settings.type);
    dial::DialInput given;
    given.latitude = site.latitude;
    given.longitude = site.longitude;
    given.type = settings.type;
    // A kind that takes no facing or tilt works its face out from the input's own.
    given.facing = settings.facing; // the kind keeps or replaces them
    given.tilt = settings.tilt;
    given.nodusHeight = settings.nodusHeight;
    given.stepMinutes = settings.stepMinutes;
    given.time = kind.ownTime.value_or(settings.time);
    given.zoneMeridian = site.clock.zoneMeridian();
    given.halfWidth = settings.halfWidth;
    given.apertureHeight = settings.apertureHeight;
    given.apertureDiameter = settings.apertureDiameter;
    given.markHours = settings.markHours;
    given.xWire = settings.xWire;
    given.yWire = settings.yWire;
    const int year = site.date.isValid() ? site.date.year() : 2000;
    given.sunYear = sunYear(site.latitude, site.longitude, year);
    given.clockSun = clockSun(site.latitude, site.longitude, year, site.clock.utcOffsetMinutes);
    std::vector<dial::DialFace> faces = kind.faces(given);
    for (dial::DialFace &face : faces)
        face.input.plate = kind.plate(face.input, settings.plateWidth, settings.plateHeight);
    return faces;
}

} // namespace orvane
