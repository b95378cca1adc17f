#pragma once
// The numbers a dial's maker gives, one each; a kind of dial takes some of
// them and works out the rest itself.

namespace orvane::dial {

// In the order they are checked: the nodus height after the plate it must
// fit.
enum class DialSetting {
    Facing,
    Tilt,
    PlateWidth,
    PlateHeight,
    NodusHeight,
    HalfWidth,
    ApertureHeight,
    ApertureDiameter,
    MarkTime,
    XWire,
    YWire
};

} // namespace orvane::dial
