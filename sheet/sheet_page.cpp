#include "sheet_page.h"

#include "shadow_plan.h"
#include "sheet_text.h"
#include "sun_at_text.h"

#include "angles/angles.h"
#include "print/page_font.h"
#include "text/result_text.h"
#include "text/translation.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

constexpr double kPlanMm = 92;
constexpr double kGapMm = 4;

struct Table {
    QString title;
    QString shortTitle; // when more than three stand side by side; empty: the title
    QStringList headers;
    QList<QStringList> rows;
    int boldRow = -1;
};

// Lays the page out top to bottom in device pixels. Run once to measure,
// once to draw.
class PageWriter {
public:
    PageWriter(QPaintDevice *device, QPainter *painter, qreal width)
        : device_(device), painter_(painter), width_(width), mm_(device->logicalDpiX() / 25.4)
    {}

    qreal mm(qreal millimetres) const { return millimetres * mm_; }
    qreal lineHeight(const QFont &f) const { return QFontMetricsF(f, device_).lineSpacing(); }
    qreal textWidth(const QFont &f, const QString &s) const { return QFontMetricsF(f, device_).horizontalAdvance(s); }

    // One line at (x, y) from its top; returns its height.
    qreal line(qreal x, qreal y, const QFont &f, const QString &text, const QColor &colour = Qt::black)
    {
        if (painter_) {
            painter_->setFont(f);
            painter_->setPen(colour);
            painter_->drawText(QPointF(x, y + QFontMetricsF(f, device_).ascent()), text);
        }
        return lineHeight(f);
    }

    qreal tableWidth(const Table &t, const QFont &bold) const
    {
        qreal w = 0;
        for (qreal c : columnWidths(t, bold))
            w += c;
        return std::max(w, textWidth(bold, t.title));
    }

    // A table of text columns, the title above and the headers under it.
    qreal table(qreal x, qreal y, const Table &t, const QFont &f, const QFont &bold)
    {
        const QList<qreal> widths = columnWidths(t, bold);
        qreal at = y + line(x, y, bold, t.title);
        auto row = [&](const QStringList &cells, const QFont &font) {
            qreal cx = x;
            for (int i = 0; i < cells.size() && i < widths.size(); ++i) {
                line(cx, at, font, cells[i]);
                cx += widths[i];
            }
            at += lineHeight(font);
        };
        row(t.headers, bold);
        if (painter_) {
            painter_->setPen(QPen(Qt::black, mm(0.15)));
            painter_->drawLine(QPointF(x, at), QPointF(x + tableWidth(t, bold), at));
        }
        at += mm(0.6);
        for (int r = 0; r < t.rows.size(); ++r)
            row(t.rows[r], r == t.boldRow ? bold : f);
        return at - y;
    }

    qreal width() const { return width_; }
    QPainter *painter() const { return painter_; }

private:
    // Measured in bold, which any cell may be set in.
    QList<qreal> columnWidths(const Table &t, const QFont &bold) const
    {
        QList<qreal> widths;
        for (int c = 0; c < t.headers.size(); ++c) {
            qreal w = textWidth(bold, t.headers[c]);
            for (const QStringList &r : t.rows)
                w = std::max(w, textWidth(bold, r.value(c)));
            widths << w + mm(3);
        }
        return widths;
    }

    QPaintDevice *device_;
    QPainter *painter_;
    qreal width_;
    qreal mm_;
};

struct Fonts {
    QFont title = pageFont(14, true);
    QFont body = pageFont(8);
    QFont bodyBold = pageFont(8, true);
    QFont big = pageFont(16, true);
    QFont table = pageFont(7);
    QFont tableBold = pageFont(7, true);
};

QList<Table> aroundTables(const FieldData &d, const QLocale &locale)
{
    // A bearing's block takes the room of five minutes of rows: with one,
    // every table keeps the two and a half minutes either side.
    const bool bearingSeen =
        std::any_of(d.bearings.begin(), d.bearings.end(), [](auto &b) { return !b.times.empty(); });
    const double reach = bearingSeen ? 150.5 : 300.5;
    QList<Table> tables;
    for (const EventField &f : d.events) {
        if (!f.seen)
            continue;
        Table t{translate("sheet", "%1 (%2), every 30 seconds").arg(eventTitle(f.event), eventAim(f)),
                translate("sheet", "%1, every 30 s").arg(eventTitle(f.event)),
                aroundHeaders(),
                {},
                -1};
        for (const AroundRow &r : d.around) {
            if (r.event != f.event || std::fabs(r.clock - f.methodClock) > reach)
                continue;
            if (std::fabs(r.clock - f.methodClock) < 0.5)
                t.boldRow = static_cast<int>(t.rows.size());
            t.rows << aroundCells(r, locale);
        }
        tables << t;
    }
    for (const BearingField &b : d.bearings)
        for (const SunMoment &m : b.times) {
            Table t{
                translate("sheet", "%1 at %2, every 30 s")
                    .arg(bearingValueText(b.bearingDeg, locale), timeText(m.clock / angles::kSecondsPerDay, locale)),
                {},
                aroundHeaders(),
                {},
                -1};
            for (const AroundRow &r : b.around) {
                if (std::fabs(r.clock - m.clock) > reach)
                    continue;
                if (std::fabs(r.clock - m.clock) < 0.5)
                    t.boldRow = static_cast<int>(t.rows.size());
                t.rows << aroundCells(r, locale);
            }
            tables << t;
        }
    // More than three across do not fit: the titles and the shadow's
    // header shorten, and the azimuth goes, the shadow's bearing says it.
    if (tables.size() > 3)
        for (Table &t : tables) {
            if (!t.shortTitle.isEmpty())
                t.title = t.shortTitle;
            t.headers.removeAt(1);
            t.headers.last() = translate("sheet", "Shadow");
            for (QStringList &r : t.rows)
                r.removeAt(1);
        }
    return tables;
}

// The wall's readings and facing, or why there is none.
qreal wallBlock(PageWriter &w, qreal x, qreal y, const FieldData &d, const Fonts &fonts)
{
    const QLocale locale;
    const qreal top = y;
    if (d.wall) {
        Table t{translate("sheet", "Which way the wall faces"), {}, wallHeaders(), {}, -1};
        for (const WallField::Reading &r : d.wall->readings)
            t.rows << wallCells(r, locale);
        y += w.table(x, y, t, fonts.table, fonts.tableBold);
        y += w.line(x, y, fonts.tableBold, wallResultText(*d.wall, d.inputs.latitude, locale));
        return y - top;
    }
    y += w.line(x, y, fonts.tableBold, translate("sheet", "Which way the wall faces"));
    for (const WallReadingRefusal &r : d.wallRefusals)
        y += w.line(x, y, fonts.table,
                    wallRefusalText(r, d.inputs.wallReadings[std::size_t(r.index)], r.index + 1, locale),
                    QColor(160, 0, 0));
    return y - top;
}

Table daysTable(const FieldData &d, const QLocale &locale)
{
    const int days = static_cast<int>(d.days.size());
    Table t{translate("sheet", "The next %n days", nullptr, days), {}, dayHeaders(d), {}, -1};
    for (const DayRow &r : d.days)
        t.rows << dayCells(r, locale);
    return t;
}

// Everything below the header; returns the height used.
qreal layOut(PageWriter &w, const SheetRequest &request, const FieldData &d, double plumbHeightM, const Fonts &fonts,
             QRectF *planRect)
{
    const QLocale locale;
    qreal y = 0;
    y += w.line(0, y, fonts.title, translate("sheet", "Orvane Field Sheet"));
    y += w.line(0, y, fonts.bodyBold, siteText(request, locale));
    y += w.line(0, y, fonts.body, dateText(request.date, locale));
    y += w.line(0, y, fonts.body, clockDescription(request));
    if (const QString summer = summerTimeLine(request); !summer.isEmpty())
        y += w.line(0, y, fonts.body, summer);
    for (FieldWarning warning : d.warnings)
        y += w.line(0, y, fonts.body, noteText(fieldWarningText(warning)), QColor(160, 0, 0));
    y += w.mm(kGapMm);

    // The plan on the left, the events beside it.
    const qreal plan = w.mm(kPlanMm);
    *planRect = QRectF(0, y, plan, plan);
    if (QPainter *p = w.painter())
        paintPlan(*p, *planRect, d, plumbHeightM, locale, fonts.table);
    qreal left = y + plan + w.mm(1);
    for (const QString &l : shadowlessLines(d))
        left += w.line(0, left, fonts.body, l);

    const qreal x = plan + w.mm(kGapMm + 2);
    qreal right = y;
    for (const EventField &f : d.events) {
        const EventTexts t = eventTexts(f, plumbHeightM, locale);
        right += w.line(x, right, fonts.bodyBold, translate("sheet", "%1: %2").arg(eventTitle(f.event), eventAim(f)));
        right += w.line(x, right, fonts.big, t.clock, t.unusable ? QColor(160, 0, 0) : QColor(Qt::black));
        for (const QString &l : {t.precise, t.altitude, t.shadow, t.turn, t.offLine})
            if (!l.isEmpty())
                right += w.line(x, right, fonts.body, l);
        for (const QString &n : t.notes)
            right += w.line(x, right, t.unusable ? fonts.bodyBold : fonts.body, n,
                            t.unusable ? QColor(160, 0, 0) : QColor(Qt::black));
        right += w.mm(2);
    }
    for (const BearingField &b : d.bearings) {
        right += w.line(
            x, right, fonts.bodyBold,
            translate("sheet", "%1: %2").arg(bearingTitle(b.bearingDeg, locale), bearingAim(b.bearingDeg, locale)));
        if (b.times.empty())
            right += w.line(x, right, fonts.body, bearingAbsentText(b.bearingDeg, locale), QColor(160, 0, 0));
        for (const SunMoment &m : b.times) {
            const MomentTexts t = momentTexts(m, plumbHeightM, locale);
            right += w.line(x, right, fonts.big, t.clock);
            for (const QString &l : QStringList{t.precise, t.altitude, t.shadow, t.turn} + t.notes)
                right += w.line(x, right, fonts.body, l);
        }
    }
    y = std::max(left, right) + w.mm(kGapMm);

    // The 30-second tables side by side.
    const QList<Table> around = aroundTables(d, locale);
    qreal tallest = 0;
    qreal tx = 0;
    for (const Table &t : around) {
        tallest = std::max(tallest, w.table(tx, y, t, fonts.table, fonts.tableBold));
        tx += w.tableWidth(t, fonts.tableBold) + w.mm(kGapMm);
    }
    if (!around.isEmpty())
        y += tallest + w.mm(kGapMm);

    // The coming days, and beside them the plumb line's height.
    const Table days = daysTable(d, locale);
    const qreal daysHeight = w.table(0, y, days, fonts.table, fonts.tableBold);
    const qreal nx = w.tableWidth(days, fonts.tableBold) + w.mm(2 * kGapMm);
    qreal notes = y;
    notes += w.line(nx, notes, fonts.tableBold, translate("sheet", "On the ground"));
    // Printed line by line as the translation breaks them.
    const QString advice = translate("sheet", "Shadows drawn for a plumb line %1 high.\n"
                                              "Mark the shadow at the large time; bold rows are that moment.\n"
                                              "Marked at another time? Turn the mark back by its row's shadow bearing\n"
                                              "less the true line's (0, 90, 180 or 270 degrees).")
                               .arg(lengthText(plumbHeightM, locale));
    for (const QString &l : advice.split(QLatin1Char('\n')))
        notes += w.line(nx, notes, fonts.table, l);
    if (!d.inputs.wallReadings.empty())
        notes += w.mm(kGapMm) + wallBlock(w, nx, notes + w.mm(kGapMm), d, fonts);
    return std::max(y + daysHeight, notes);
}

// The widest thing that must fit across the page.
qreal neededWidth(PageWriter &w, const FieldData &d, const Fonts &fonts)
{
    qreal around = 0;
    for (const Table &t : aroundTables(d, QLocale()))
        around += w.tableWidth(t, fonts.tableBold) + w.mm(kGapMm);
    return std::max(around, w.mm(kPlanMm + kGapMm + 2 + 88));
}

} // namespace

PrintedSheet paintSheetPage(QPrinter &printer, const SheetRequest &request, const FieldData &d, double plumbHeightM)
{
    PrintedSheet out;
    const Fonts fonts;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());

    // Measured first: a page too small for the sheet gets it scaled down whole.
    PageWriter measure(&printer, nullptr, page.width());
    QRectF plan;
    const qreal height = layOut(measure, request, d, plumbHeightM, fonts, &plan);
    const qreal width = neededWidth(measure, d, fonts);
    out.scale = std::min({1.0, page.height() / height, page.width() / width});

    QPainter painter;
    if (!painter.begin(&printer))
        return out;
    painter.scale(out.scale, out.scale);
    PageWriter writer(&printer, &painter, page.width() / out.scale);
    layOut(writer, request, d, plumbHeightM, fonts, &plan);
    out.painted = painter.end();

    const qreal mm = printer.logicalDpiX() / 25.4;
    out.planMm = QRectF(plan.topLeft() * out.scale / mm, plan.size() * out.scale / mm);
    out.usedHeightMm = height * out.scale / mm;
    return out;
}

} // namespace orvane
