#pragma once
// One evaluation of a search: the instant and the sun's direction then.
// Shared by the searches' sources only.
#include "sun.h"

namespace orvane::sky {

struct Sun::Sample {
    double utc;
    LocalSun sun;
};

} // namespace orvane::sky
