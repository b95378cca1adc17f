#pragma once
#include "solar_state.h"

namespace orvane {

// Declination and equation of time for InputDate at EventTime[slot] local
// solar time; writes EventSun[0][slot] and EventSun[1][slot].
// slot must be 0..3.
void SolarPosition(SolarState &state, int slot, bool daylightSaving);

} // namespace orvane
