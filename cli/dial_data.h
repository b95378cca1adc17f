#pragma once
// A dial asked for on the command line: the site as given, the files to
// write, and the design that the JSON, the text, the CSV, the SVG, the DXF
// and the PDF all take.

#include "field/compass_words.h"
#include "field/dial_check.h"
#include "field/dial_design.h"
#include "field/field_data.h"
#include "site_place.h"

#include <QLocale>
#include <QString>

namespace orvane {

// The dial's own settings (a facing only for a kind that takes one) and
// what the command line does with the dial.
struct DialOptions : DialSettings {
    bool card = false; // the correction card in the answer and the drawing
    double scale = 1;  // the SVG and the DXF at 1:scale
    QString svgFile, dxfFile, pdfFile, cardSvgFile;
    std::vector<DialCheckEntry> readings; // --check-reading: the standing dial against the clock
};

struct DialData {
    FieldInputs site;                      // date, latitude, longitude and clock; only these are read
    QString zoneName;                      // the IANA name given with --zone or --place's, else empty
    std::optional<SitePlace> place;        // the place --place named
    std::optional<CompassReading> compass; // with --magnetic
    DialOptions options;
    // With its card for --card or --card-svg, for the year of the site's date.
    DialDesign design;
    DialCheckResult check; // with readings
};

DialData computeDialData(const FieldInputs &site, const QString &zoneName, const DialOptions &options,
                         const QLocale &locale);

} // namespace orvane
