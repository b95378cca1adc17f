#pragma once
// The answer to --find-dial: every dial of the kind whose lines fit the
// measured angles, as text, JSON or CSV.

#include "cli_options.h"

#include <QString>

namespace orvane {

QString findDialAnswer(const FindDialOptions &find, OutputFormat format);

} // namespace orvane
