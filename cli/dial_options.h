#pragma once
// Reading the dial's options: --dial and the options that go with it.

#include "dial_data.h"

#include <QCommandLineParser>
#include <QLocale>
#include <QString>

#include <optional>

namespace orvane {

// Sets `into` when --dial is given. Returns the one-line message for a
// value it refuses, or for an option given without the other it needs.
// Measures take their unit after the number ("35°", "100 mm", "2.5 m")
// and a decimal point, or `locale`'s own separator, as the coordinates do.
std::optional<QString> readDialOptions(const QCommandLineParser &p, std::optional<DialOptions> &into,
                                       const QLocale &locale);

} // namespace orvane
