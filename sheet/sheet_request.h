#pragma once
// The inputs a field sheet is made for: the main window's accepted site.

#include "modules/site_request.h"

namespace orvane {
using SheetRequest = AcceptedSite;
} // namespace orvane
