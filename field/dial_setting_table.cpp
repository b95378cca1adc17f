#include "dial_setting_table.h"

#include "dial/bifilar.h"
#include "dial/dial_kinds.h"
#include "dial/noon_mark.h"
#include "dial/plate.h"
#include "text/translation.h"

#include <algorithm>

namespace orvane {

namespace {

SettingRange plateSide(const DialSettings &) { return {dial::kMinPlateSide, dial::kMaxPlateSide}; }

// Up to the plate's smaller side; a side refused itself counts as the
// largest, so that only the side is refused.
SettingRange nodusHeight(const DialSettings &s)
{
    const SettingRange side = plateSide(s);
    const double width = side.holds(s.plateWidth) ? s.plateWidth : dial::kMaxPlateSide;
    const double height = side.holds(s.plateHeight) ? s.plateHeight : dial::kMaxPlateSide;
    return {dial::kMinNodusHeight, std::min(width, height)};
}

SettingRange wireHeight(const DialSettings &s) { return {dial::kMinWireHeight, nodusHeight(s).high}; }

} // namespace

const std::vector<SettingRow> &settingRows()
{
    static const std::vector<SettingRow> rows{
        {.setting = DialSetting::Facing,
         .value = &DialSettings::facing,
         .unit = MeasureUnit::Degrees,
         .range =
             [](const DialSettings &) {
                 return SettingRange{0, 360};
             },
         .compass = true,
         .option = "facing",
         .wanted = QT_TRANSLATE_NOOP("field", "give degrees from %1 to %2, from north through east"),
         .needs =
             [](const dial::DialKind &kind) {
                 return (kind.takes(DialSetting::Tilt)
                             ? translate("field", "--dial %1 needs --facing DEG, the direction the plane faces from "
                                                  "north through east (180 = south)")
                             : translate("field", "--dial %1 needs --facing DEG, the direction the wall faces from "
                                                  "north through east (180 = south)"))
                     .arg(QLatin1String(kind.commandName));
             },
         .name = "Facing",
         .caption = QT_TRANSLATE_NOOP("field", "&Facing (degrees):"),
         .description = QT_TRANSLATE_NOOP(
             "field",
             "The direction the face looks out to (a wall's outward direction), degrees from north through east"),
         .faceValue = &dial::DialInput::facing,
         .typeWhat = QT_TRANSLATE_NOOP("field", "a facing"),
         .typeUnit = QT_TRANSLATE_NOOP("field", "degrees")},
        {.setting = DialSetting::Tilt,
         .value = &DialSettings::tilt,
         .unit = MeasureUnit::Degrees,
         .range =
             [](const DialSettings &) {
                 return SettingRange{0, 180};
             },
         .option = "tilt",
         .wanted = QT_TRANSLATE_NOOP("field", "give degrees from %1 (level) to %2 (looking down)"),
         .needs =
             [](const dial::DialKind &kind) {
                 return translate("field",
                                  "--dial %1 needs --tilt DEG, the angle from the zenith to the face's outward "
                                  "normal (0 level, 90 upright, 180 looking down)")
                     .arg(QLatin1String(kind.commandName));
             },
         .name = "Tilt",
         .caption = QT_TRANSLATE_NOOP("field", "Tilt from the &zenith (degrees):"),
         .description = QT_TRANSLATE_NOOP(
             "field",
             "The angle from the zenith to the face's outward normal: 0 level, 90 upright, over 90 leaning over"),
         .faceValue = &dial::DialInput::tilt,
         .typeWhat = QT_TRANSLATE_NOOP("field", "a tilt"),
         .typeUnit = QT_TRANSLATE_NOOP("field", "degrees")},
        {.setting = DialSetting::PlateWidth,
         .value = &DialSettings::plateWidth,
         .unit = MeasureUnit::Millimetres,
         .range = plateSide,
         .option = "plate",
         .wanted = QT_TRANSLATE_NOOP("field", "each side must lie between %1 and %2 mm"),
         .name = "Width",
         .caption = QT_TRANSLATE_NOOP("field", "Plate &width (mm):"),
         .typeWhat = QT_TRANSLATE_NOOP("field", "a width"),
         .typeUnit = QT_TRANSLATE_NOOP("field", "mm")},
        {.setting = DialSetting::PlateHeight,
         .value = &DialSettings::plateHeight,
         .unit = MeasureUnit::Millimetres,
         .range = plateSide,
         .option = "plate",
         .wanted = QT_TRANSLATE_NOOP("field", "each side must lie between %1 and %2 mm"),
         .name = "Height",
         .caption = QT_TRANSLATE_NOOP("field", "Plate h&eight (mm):"),
         .typeWhat = QT_TRANSLATE_NOOP("field", "a height"),
         .typeUnit = QT_TRANSLATE_NOOP("field", "mm")},
        {.setting = DialSetting::NodusHeight,
         .value = &DialSettings::nodusHeight,
         .unit = MeasureUnit::Millimetres,
         .range = nodusHeight,
         .option = "nodus-height",
         .wanted = QT_TRANSLATE_NOOP("field", "give mm from %1 to the plate's smaller side (%2)"),
         .name = "Nodus",
         .caption = QT_TRANSLATE_NOOP("field", "&Nodus height (mm):"),
         .typeWhat = QT_TRANSLATE_NOOP("field", "a height"),
         .typeUnit = QT_TRANSLATE_NOOP("field", "mm (the plate's smaller side)")},
        {.setting = DialSetting::HalfWidth,
         .value = &DialSettings::halfWidth,
         .unit = MeasureUnit::Metres,
         .range =
             [](const DialSettings &) {
                 return SettingRange{dial::kMinHalfWidth, dial::kMaxHalfWidth};
             },
         .option = "half-width",
         .wanted = QT_TRANSLATE_NOOP("field", "give metres from %1 to %2"),
         .name = "HalfWidth",
         .caption = QT_TRANSLATE_NOOP("field", "Half-width on the gro&und (m):"),
         .description = QT_TRANSLATE_NOOP(
             "field", "For a dial on the ground: half its width east to west, from the centre to the 6 o'clock mark"),
         .typeWhat = QT_TRANSLATE_NOOP("field", "a half-width"),
         .typeUnit = QT_TRANSLATE_NOOP("field", "m")},
        {.setting = DialSetting::ApertureHeight,
         .value = &DialSettings::apertureHeight,
         .unit = MeasureUnit::Metres,
         .range =
             [](const DialSettings &) {
                 return SettingRange{dial::kMinApertureHeight, dial::kMaxApertureHeight};
             },
         .option = "aperture-height",
         .wanted = QT_TRANSLATE_NOOP("field", "give metres from %1 to %2"),
         .needs =
             [](const dial::DialKind &kind) {
                 return translate("field", "--dial %1 needs --aperture-height M, the hole's height above the floor or "
                                           "out from the wall")
                     .arg(QLatin1String(kind.commandName));
             },
         .name = "ApertureHeight",
         .caption = QT_TRANSLATE_NOOP("field", "&Aperture height (m):"),
         .description =
             QT_TRANSLATE_NOOP("field", "How far the hole stands above the floor, or out from the wall, in metres"),
         .typeWhat = QT_TRANSLATE_NOOP("field", "a height"),
         .typeUnit = QT_TRANSLATE_NOOP("field", "m")},
        {.setting = DialSetting::ApertureDiameter,
         .value = &DialSettings::apertureDiameter,
         .unit = MeasureUnit::Millimetres,
         .range =
             [](const DialSettings &) {
                 return SettingRange{dial::kMinApertureDiameter, dial::kMaxApertureDiameter};
             },
         .option = "aperture-diameter",
         .wanted = QT_TRANSLATE_NOOP("field", "give mm from %1 to %2"),
         .name = "ApertureDiameter",
         .caption = QT_TRANSLATE_NOOP("field", "Aperture &diameter (mm):"),
         .description = QT_TRANSLATE_NOOP("field", "The round hole's width across, in millimetres"),
         .typeWhat = QT_TRANSLATE_NOOP("field", "a diameter"),
         .typeUnit = QT_TRANSLATE_NOOP("field", "mm")},
        {.setting = DialSetting::MarkTime,
         .value = &DialSettings::markHours,
         .unit = MeasureUnit::ClockTime,
         .range =
             [](const DialSettings &) {
                 return SettingRange{0, 24};
             },
         .option = "mark-time",
         .wanted = QT_TRANSLATE_NOOP(
             "field", "give a time HH:MM of the zone's standard clock, from %1:00 to before %2:00, such as 12:00"),
         .name = "MarkTime",
         .caption = QT_TRANSLATE_NOOP("field", "&Mark time (HH:MM):"),
         .description = QT_TRANSLATE_NOOP(
             "field", "The time of the zone's standard clock whose figure-8 is marked: 12:00, or 13:00 for "
                      "summer time"),
         .typeWhat = QT_TRANSLATE_NOOP("field", "a time"),
         .typeUnit = QT_TRANSLATE_NOOP("field", "(HH:MM, the standard clock)")},
        {.setting = DialSetting::XWire,
         .value = &DialSettings::xWire,
         .unit = MeasureUnit::Millimetres,
         .range = wireHeight,
         .option = "x-wire",
         .wanted = QT_TRANSLATE_NOOP("field", "give mm from %1 to the plate's smaller side (%2)"),
         .name = "XWire",
         .caption = QT_TRANSLATE_NOOP("field", "Wire alo&ng x, height (mm):"),
         .description = QT_TRANSLATE_NOOP(
             "field", "The height above the face of the wire along the plate's x axis; empty: the height that "
                      "spaces the hours evenly where one does"),
         .typeWhat = QT_TRANSLATE_NOOP("field", "a height"),
         .typeUnit = QT_TRANSLATE_NOOP("field", "mm (the plate's smaller side)")},
        {.setting = DialSetting::YWire,
         .value = &DialSettings::yWire,
         .unit = MeasureUnit::Millimetres,
         .range = wireHeight,
         .option = "y-wire",
         .wanted = QT_TRANSLATE_NOOP("field", "give mm from %1 to the plate's smaller side (%2)"),
         .name = "YWire",
         .caption = QT_TRANSLATE_NOOP("field", "Wire along y, height (&mm):"),
         .description = QT_TRANSLATE_NOOP("field", "The height above the face of the wire along the plate's y axis"),
         .typeWhat = QT_TRANSLATE_NOOP("field", "a height"),
         .typeUnit = QT_TRANSLATE_NOOP("field", "mm (the plate's smaller side)")},
    };
    return rows;
}

const SettingRow &settingRow(DialSetting setting)
{
    const std::vector<SettingRow> &rows = settingRows();
    return *std::find_if(rows.begin(), rows.end(), [setting](const SettingRow &r) { return r.setting == setting; });
}

} // namespace orvane
