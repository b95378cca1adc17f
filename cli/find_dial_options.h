#pragma once
// Reading --find-dial and its lines. It takes no site, date or clock and
// none of the dial's settings: the lines' angles alone give the latitude and
// the wall's facing.

#include "dial/find_dial.h"

#include <QCommandLineParser>
#include <QString>

#include <optional>
#include <vector>

namespace orvane {

struct CliRequest;

struct FindDialOptions {
    const dial::DialKind *kind = nullptr;
    std::vector<dial::MeasuredLine> lines; // in the order given
};

// --find-dial or --line-angle given: the command line is read here alone.
bool asksToFindDial(const QCommandLineParser &p);

// Sets the request's findDial (its format is read with every answer's), or
// gives the one-line message for what it refuses.
std::optional<QString> readFindDial(const QCommandLineParser &p, CliRequest &r);

} // namespace orvane
