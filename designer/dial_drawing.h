#pragma once
// From the site and the designer's choices to what the preview, the table
// and the pages show.

#include "designer_request.h"
#include "dial_card.h"
#include "field/dial_settings.h"
#include "print/dial_pages.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace orvane {

// With a card, the pages end with the card's page.
DialDrawing makeDialDrawing(const DesignerRequest &request, const DialSettings &settings,
                            const DialCard *card = nullptr);

// "Horizontal dial" or "Vertical dial facing 200°, ..." with the site.
QString dialTitle(const DesignerRequest &request, const DialSettings &settings, const QLocale &locale);

// One hour line in the table: its angle from the meridian (horizontal
// dials) or from the vertical, positive towards the plate's +x (east on a
// horizontal dial, right on a wall), and the perpendicular distance from
// the nodus's foot to the line (mm).
struct HourRow {
    double hour = 0;
    QString label;
    double angle = 0;
    double distance = 0;
};
std::vector<HourRow> hourRows(const DialDrawing &drawing);

// The angle column's heading for this kind of dial.
QString angleHeading(dial::DialType type);

} // namespace orvane
