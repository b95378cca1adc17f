#pragma once
// A dial asked for on the command line, laid out: what the JSON, the text,
// the CSV, the SVG and a PDF painter all draw from, so that they agree.

#include "dial/date_lines.h"
#include "dial/dial_layout.h"
#include "field/correction_card.h"
#include "field/dial_dates.h"
#include "field/dial_settings.h"
#include "field/field_data.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <vector>

namespace orvane {

// The dial's own settings (a facing only for a vertical dial) and what the
// command line does with the dial.
struct DialOptions : DialSettings {
    bool card = false; // the correction card in the answer and the drawing
    QString svgFile, pdfFile, cardSvgFile;
};

struct DateLineData {
    QString name;           // "summer solstice" (positive declination), "equinox", "winter solstice", "month"
    QString label;          // "21 Jun", "Equinox", "1 Mar": month names in the user's language
    double declination = 0; // degrees
    QDate date;             // month lines: the first of the month whose noon declination this is
    std::vector<dial::Polyline> pieces; // on the plate, in the order of the day
};

struct DialData {
    FieldInputs site; // date, latitude, longitude and clock; only these are read
    QString zoneName; // the IANA name given with --zone, else empty
    DialOptions options;
    dial::DialInput input; // with the plate placed around the dial
    dial::DialLayout layout;
    std::vector<DateLineData> dateLines;
    // For the year of the site's date; empty unless the card was asked for
    // (--card or --card-svg).
    std::vector<CardDay> card;
    // "Clock: UTC-05:00, summer time by the rules of America/New_York: 14
    // March to 7 November 2027"; with the card only.
    QString cardClock;
};

DialData computeDialData(const FieldInputs &site, const QString &zoneName, const DialOptions &options,
                         const QLocale &locale);

} // namespace orvane
