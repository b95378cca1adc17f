#include "dial_drawing.h"

#include "angles/angles.h"
#include "dial/date_lines.h"
#include "print/card_page.h"
#include "text/report_text.h"
#include "text/time_zones.h"
#include "text/wording.h"

#include <cmath>

namespace orvane {

namespace {

QString siteText(const DesignerRequest &r, const QLocale &locale)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(reportNumberText(std::fabs(r.latitude), locale), compassLetter(latitudeSide(r.latitude)),
             reportNumberText(std::fabs(r.longitude), locale),
             compassLetter(r.longitude < 0 ? Compass::West : Compass::East));
}

std::vector<DialDateLine> dateLines(const DesignerRequest &request, const dial::DialInput &input, DateLineChoice choice,
                                    const QLocale &locale)
{
    std::vector<DialDateLine> lines;
    const int year = request.date.isValid() ? request.date.year() : 2000;
    for (const DateLineSpec &spec : dateLineSpecs(year, request.latitude, request.longitude, choice, locale))
        lines.push_back({spec.label, dial::dateLine(input, spec.declination)});
    return lines;
}

} // namespace

QString dialTitle(const DesignerRequest &request, const DialSettings &settings, const QLocale &locale)
{
    const QString kind =
        settings.type == dial::DialType::Horizontal
            ? QStringLiteral("Horizontal dial")
            : QStringLiteral("Vertical dial facing %1°").arg(reportNumberText(settings.facing, locale));
    return kind + QStringLiteral(", ") + siteText(request, locale);
}

DialDrawing makeDialDrawing(const DesignerRequest &request, const DialSettings &settings, const DialCard *card)
{
    const QLocale locale;
    DialDrawing d;
    d.input = dialInput(request, settings);
    const dial::DialInput &in = d.input;
    d.layout = dial::layoutDial(in);
    d.dateLines = dateLines(request, in, settings.dateLines, locale);

    d.title = dialTitle(request, settings, locale);
    d.notes << QStringLiteral("Style height %1°").arg(locale.toString(d.layout.styleHeight, 'f', 2));
    if (settings.time == dial::DialTime::Sun)
        d.notes << QStringLiteral("sun time");
    else
        d.notes << QStringLiteral("zone time, meridian %1°%2")
                           .arg(reportNumberText(std::fabs(in.zoneMeridian), locale),
                                u' ' + compassLetter(in.zoneMeridian < 0 ? Compass::West : Compass::East)) +
                       (request.clock.daylightSaving ? QStringLiteral(", add an hour in daylight saving time")
                                                     : QString());
    if (card) {
        CardPage page;
        page.title = d.title;
        page.about
            << QStringLiteral("Site: %1, %2").arg(siteText(request, locale), timeZoneName(request.clock.zoneIndex))
            << QStringLiteral("Dial: %1, nodus %2 mm above the plate, %3")
                   .arg(settings.type == dial::DialType::Horizontal
                            ? QStringLiteral("horizontal")
                            : QStringLiteral("vertical, facing %1°").arg(reportNumberText(settings.facing, locale)),
                        reportNumberText(settings.nodusHeight, locale), d.notes.last())
            << card->clockNote;
        page.card = cardDrawing(*card, CardRows::Weekly, locale);
        d.card = [page](QPainter &p, const QRectF &r) { paintCardPage(p, r, page); };
    }
    return d;
}

std::vector<HourRow> hourRows(const DialDrawing &drawing)
{
    const dial::DialLayout &l = drawing.layout;
    // The meridian on a horizontal dial, pointing away from the root; the
    // plumb line down on a wall.
    double rx = 0, ry = -1;
    if (drawing.input.type == dial::DialType::Horizontal)
        ry = l.root && l.root->y > 0 ? -1 : 1;
    std::vector<HourRow> rows;
    for (const dial::HourLine &h : l.hourLines) {
        const double dx = h.line.to.x - h.line.from.x;
        const double dy = h.line.to.y - h.line.from.y;
        const double length = std::hypot(dx, dy);
        // The perpendicular to the reference that points to +x.
        const double px = std::fabs(ry), py = 0;
        HourRow row;
        row.hour = h.hour;
        row.label = QString::fromStdString(h.label);
        row.angle = angles::degrees(std::atan2(dx * px + dy * py, dx * rx + dy * ry));
        // Parallel lines have no end to start from: the half-turn that reads smaller.
        if (!l.root && std::fabs(row.angle) > 90)
            row.angle -= std::copysign(180.0, row.angle);
        row.distance = length > 0 ? std::fabs(h.line.from.x * dy - h.line.from.y * dx) / length : 0;
        rows.push_back(row);
    }
    return rows;
}

QString angleHeading(dial::DialType type)
{
    return type == dial::DialType::Horizontal ? QStringLiteral("From the meridian (°, + east)")
                                              : QStringLiteral("From the vertical (°, + right)");
}

} // namespace orvane
