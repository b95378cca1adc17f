#pragma once
// A dial designed once: everything the designer's preview and tables, the
// command line's answers, the printed pages, the SVG and the DXF take, from
// the accepted site and the dial's checked settings.

#include "correction_card.h"
#include "dial_settings.h"

#include "dial/dial_kinds.h"
#include "dial/drawing.h"
#include "dial/hour_table.h"
#include "text/translation.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace orvane {

struct DesignCard {
    int year = 0;
    std::vector<CardDay> days;
    // "Clock: UTC-5, summer time by the rules of America/New_York: 14 March to 7 November 2027"
    QString clockNote;
};

struct DialDesign {
    AcceptedSite site;
    DialSettings settings;
    const dial::DialKind *kind = nullptr;
    // At least one; the first is the upper of two, whose orientation
    // names the dial.
    std::vector<dial::DialFace> faces;
    std::optional<DesignCard> card;
    // Where the card would stand when the dial needs none (it reads the
    // clock): "This dial reads the clock: no correction card is needed."
    QString noCard;
    // Within 5° of upright or level: how far the readings move for each
    // degree the face leans beyond its drawn tilt, in words.
    QString leanNote;
    QString title;    // "Vertical dial facing 200°, 40.655 N 72.855 W"
    QString siteLine; // "Site: 40.655 N 72.855 W, GMT-5hrs US Eastern Time, Montreal, New York"
    QString dialLine; // "Dial: vertical, facing 200°, nodus 100 mm above the plate, sun time"
    // What the dial shows: "sun time", "the zone's standard clock (UTC-5, summer
    // time by the rules of ...), add an hour in summer time".
    QString timeNote;
    // Which half of the year each face is lit, and a face no hour line
    // falls on: "Upper face lit from the March to the September equinox".
    QStringList faceNotes;
    // How to cut and stand the gnomon: the gnomon page's note.
    QString gnomonNote;
    // "Style height 45.47°", "sun time", then the face notes: under the
    // title on the plate's pages.
    QStringList notes;
    // The plate, the gnomon and, with the card, the card (its table on the
    // 1st and 16th of each month).
    dial::Drawing drawing;
    // The figures, tables and steps, as every answer writes them.
    dial::Report report;
};

struct DesignChoices {
    bool card = true;
    // Where the site's clock comes from when no time-zone entry is chosen
    // ("America/New_York"); empty for its offset.
    QString zoneName;
    // After the card's clock when that clock has no zone's rules.
    QString withoutZoneRules = translate("field", " (no region's summer-time rules for this time zone entry)");
};

DialDesign designDial(const AcceptedSite &site, const DialSettings &settings, const DesignChoices &choices,
                      const QLocale &locale);

// "Horizontal dial", "Vertical dial facing 200°", "Plane dial facing 250°, tilt 50°".
QString dialKindTitle(const dial::DialKind &kind, double facing, double tilt, const QLocale &locale);

// "40.655 N 72.855 W".
QString siteText(double latitude, double longitude, const QLocale &locale);

// The card's days every 7th day from 1 January: its table on screen.
std::vector<CardDay> weeklyRows(const DesignCard &card);

// The drawing's groups of these parts only.
dial::Drawing drawingParts(const dial::Drawing &drawing, std::initializer_list<dial::Part> parts);

} // namespace orvane
