#pragma once
// Reading the command line into the field data's inputs. The fields the
// window has are checked by the window's own checks and refused with its
// messages; the options it lacks get a plain one-line message.

#include "dial_data.h"
#include "field/compass_words.h"
#include "field/field_data.h"
#include "find_dial_options.h"
#include "site_place.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace orvane {

enum class OutputFormat { Text, Json, Csv };

struct CliRequest {
    enum class Action { Compute, Help, Version };
    Action action = Action::Compute;
    FieldInputs inputs;
    OutputFormat format = OutputFormat::Text;
    QString zoneName;                        // the IANA name given with --zone or --place's, else empty
    std::optional<SitePlace> place;          // the place --place names
    std::optional<DialOptions> dial;         // with --dial: a dial instead of the field data
    std::optional<FindDialOptions> findDial; // with --find-dial: a dial's latitude from its lines, no site
    std::optional<CompassReading> compass;   // with --magnetic: the compass at the site on the date
};

struct CliParse {
    std::optional<CliRequest> request;
    QString error;  // one line, when there is no request
    int status = 2; // with `error`: 2 for input refused, 1 when the place names cannot be read
};

// `args` without the program's name. Dates and numbers are read in `locale`
// as the window reads them.
CliParse parseCommandLine(const QStringList &args, const QLocale &locale);

QString usageText();

} // namespace orvane
