#pragma once
// Each number a dial takes, in one row: where DialSettings holds it, its
// unit and range, the option and the box that give it and the words that
// ask for it. The check, the command line and the Dial Designer walk these
// rows instead of naming the settings one by one.

#include "dial_settings.h"

#include "text/dial_measure.h"

#include <QString>

#include <vector>

namespace orvane {

struct SettingRow {
    DialSetting setting;
    double DialSettings::*value;
    MeasureUnit unit;
    SettingRange (*range)(const DialSettings &);
    bool compass = false; // a direction all round: 360 is north again, kept as 0

    // The command line. Its option without "--" (the plate's two sides
    // share "plate") and, with the range's ends for %1 and %2, what to give.
    const char *option;
    const char *wanted;
    // Why a kind that takes it, with no default of its own, cannot do
    // without it; null for a setting that has a default.
    QString (*needs)(const dial::DialKind &kind) = nullptr;

    // The Dial Designer. Its widgets: "txt" + name, the label "lbl" + name,
    // the refusal beside it "lbl" + name + "Problem".
    const char *name;
    const char *caption;               // "&Facing (degrees):"
    const char *description = nullptr; // the box's own, for a screen reader
    // The face's own figure, shown in the greyed box of a kind that works
    // it out; null for none.
    double dial::DialInput::*faceValue = nullptr;
    // "Type a facing from 0 to 360 degrees.": what and the unit's words.
    const char *typeWhat;
    const char *typeUnit;
};

// Every setting, in the order they are checked.
const std::vector<SettingRow> &settingRows();
const SettingRow &settingRow(DialSetting setting);

} // namespace orvane
