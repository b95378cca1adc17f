#pragma once
// Reading the dial's options: --dial and the options that go with it.

#include "dial_data.h"

#include <QCommandLineParser>
#include <QString>

#include <optional>

namespace orvane {

// Sets `into` when --dial is given. Returns the one-line message for a
// value it refuses, or for an option given without the other it needs.
std::optional<QString> readDialOptions(const QCommandLineParser &p, std::optional<DialOptions> &into);

} // namespace orvane
