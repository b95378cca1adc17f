#include "orvane_resources.h"

#include <QtGlobal>

static void initOrvaneResources() { Q_INIT_RESOURCE(resources); }

namespace orvane {

void InitResources()
{
    static const bool done = (initOrvaneResources(), true);
    Q_UNUSED(done);
}

} // namespace orvane
