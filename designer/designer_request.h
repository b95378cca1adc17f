#pragma once
// The site a dial is designed for: the main window's accepted site.

#include "modules/site_request.h"

namespace orvane {
using DesignerRequest = AcceptedSite;
} // namespace orvane
