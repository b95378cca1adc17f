#include "countdown.h"

namespace orvane {

std::optional<NextEvent> nextEvent(const FieldData &d, double clockSeconds)
{
    std::optional<NextEvent> next;
    for (const EventField &f : d.events) {
        // A moment without a shadow is nothing to wait for.
        if (!f.seen || !f.shadowLengthPerM)
            continue;
        const double left = f.methodClock - clockSeconds;
        if (left > -1 && (!next || left < next->secondsLeft))
            next = NextEvent{f.event, left < 0 ? 0 : left};
    }
    return next;
}

} // namespace orvane
