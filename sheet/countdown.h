#pragma once
// The next event of the day from a clock time on the sheet's clock.

#include "field/field_data.h"

#include <optional>

namespace orvane {

struct NextEvent {
    FieldEvent event = FieldEvent::East;
    double secondsLeft = 0; // 0 in the event's own second
};

// The first seen event with a shadow at or after `clockSeconds` (seconds
// after midnight on the sheet's clock); none when the day's last one has
// passed. An event is still "next" during its own second.
std::optional<NextEvent> nextEvent(const FieldData &d, double clockSeconds);

} // namespace orvane
