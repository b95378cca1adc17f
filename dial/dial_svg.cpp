#include "dial/dial_svg.h"
#include "dial/label_placer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orvane::dial {

namespace {

constexpr double kLine = 0.5;     // mm, the stroke of drawn lines
constexpr double kFine = 0.25;    // mm, grid and marks
constexpr double kMarkSize = 2.5; // mm, the root's and the foot's marks
constexpr double kDateFont = 0.7; // date labels' size against the hour labels'
constexpr double kLabelGap = 0.2; // labels' distance from each other and the edges, in hour-label ems

// Card layout, mm.
constexpr double kCardGraphWidth = 150;
constexpr double kCardGraphHeight = 70;
constexpr double kCardAxisWidth = 18;
constexpr double kCardTitleHeight = 10;
constexpr double kCardRowHeight = 6;
constexpr double kCardFont = 4;

// Shortest form to a micrometre; never "-0".
std::string num(double x)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", x);
    std::string s = buf;
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.')
        s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string escaped(const std::string &text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

struct Point {
    double x = 0;
    double y = 0;
};

class Svg {
public:
    void open(double width, double height)
    {
        m_text += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
                  num(width) + "mm\" height=\"" + num(height) + "mm\" viewBox=\"0 0 " + num(width) + ' ' + num(height) +
                  "\">\n";
    }
    void close() { m_text += "</svg>\n"; }

    void group(const char *id, const std::string &attributes = {})
    {
        m_text += std::string("<g id=\"") + id + '"' + (attributes.empty() ? "" : " ") + attributes + ">\n";
    }
    void strokeGroup(const char *id, double width, const std::string &extra = {})
    {
        group(id, "fill=\"none\" stroke=\"black\" stroke-width=\"" + num(width) + '"' + extra);
    }
    void textGroup(const char *id, double fontSize)
    {
        group(id, "font-family=\"sans-serif\" font-size=\"" + num(fontSize) +
                      "\" text-anchor=\"middle\" fill=\"black\" stroke=\"none\"");
    }
    void end() { m_text += "</g>\n"; }

    void line(Point a, Point b)
    {
        m_text +=
            "<line x1=\"" + num(a.x) + "\" y1=\"" + num(a.y) + "\" x2=\"" + num(b.x) + "\" y2=\"" + num(b.y) + "\"/>\n";
    }
    void rect(double x, double y, double w, double h)
    {
        m_text +=
            "<rect x=\"" + num(x) + "\" y=\"" + num(y) + "\" width=\"" + num(w) + "\" height=\"" + num(h) + "\"/>\n";
    }
    void circle(Point c, double r)
    {
        m_text += "<circle cx=\"" + num(c.x) + "\" cy=\"" + num(c.y) + "\" r=\"" + num(r) + "\"/>\n";
    }
    void polyline(const std::vector<Point> &points, bool closed = false)
    {
        m_text += closed ? "<polygon points=\"" : "<polyline points=\"";
        for (std::size_t i = 0; i < points.size(); ++i)
            m_text += (i ? " " : "") + num(points[i].x) + ',' + num(points[i].y);
        m_text += "\"/>\n";
    }
    // Centred on `at`, its middle on the point's height.
    void text(Point at, const std::string &text, const char *anchor = nullptr)
    {
        m_text += "<text x=\"" + num(at.x) + "\" y=\"" + num(at.y) + "\" dominant-baseline=\"middle\"" +
                  (anchor ? std::string(" text-anchor=\"") + anchor + '"' : std::string()) + '>' + escaped(text) +
                  "</text>\n";
    }

    const std::string &str() const { return m_text; }

private:
    std::string m_text;
};

// Plate millimetres to the drawing's: y runs down in SVG.
struct PlateMap {
    PlateRect plate;
    Point origin; // where the plate's top left lands

    Point operator()(PlatePoint p) const { return {origin.x + p.x - plate.xMin, origin.y + plate.yMax - p.y}; }
};

double cardWidth() { return kCardAxisWidth + kCardGraphWidth + 2; }

// The title, and the clock's line under it when there is one, clear of
// the top axis label, which stands half a font above the graph.
double cardHeadHeight(const CardDrawing &card)
{
    return kCardTitleHeight + (card.clock.empty() ? 0 : kCardRowHeight + kCardFont / 2);
}

double cardHeight(const CardDrawing &card)
{
    const std::size_t rows = (card.rows.size() + 1) / 2;
    return cardHeadHeight(card) + kCardGraphHeight + 2 * kCardRowHeight + double(rows) * kCardRowHeight;
}

void drawCard(Svg &svg, const CardDrawing &card, Point at)
{
    svg.group("card", "transform=\"translate(" + num(at.x) + ',' + num(at.y) + ")\"");
    svg.textGroup("card-title", 1.25 * kCardFont);
    svg.text({cardWidth() / 2, kCardTitleHeight / 2}, card.title);
    svg.end();
    if (!card.clock.empty()) {
        // Smaller, to keep the longest clock line within the card's width.
        svg.textGroup("card-clock", 0.75 * kCardFont);
        svg.text({cardWidth() / 2, kCardTitleHeight + kCardRowHeight / 2}, card.clock);
        svg.end();
    }

    // Minutes on the vertical axis, a grid line every `step` seconds.
    double low = 0, high = 0;
    for (double s : card.addSeconds) {
        low = std::min(low, s);
        high = std::max(high, s);
    }
    double step = 300;
    for (double s : {300.0, 600.0, 900.0, 1800.0, 3600.0}) {
        step = s;
        if ((std::ceil(high / s) - std::floor(low / s)) <= 10)
            break;
    }
    low = std::floor(low / step) * step;
    high = std::max(std::ceil(high / step) * step, low + step);
    const double left = kCardAxisWidth, top = cardHeadHeight(card);
    const double days = double(std::max<std::size_t>(card.addSeconds.size(), 2) - 1);
    const auto x = [&](double day) { return left + day / days * kCardGraphWidth; };
    const auto y = [&](double s) { return top + (high - s) / (high - low) * kCardGraphHeight; };

    svg.strokeGroup("card-grid", kFine);
    svg.rect(left, top, kCardGraphWidth, kCardGraphHeight);
    for (double s = low + step; s < high; s += step)
        svg.line({left, y(s)}, {left + kCardGraphWidth, y(s)});
    for (int start : card.monthStarts)
        svg.line({x(start), top}, {x(start), top + kCardGraphHeight});
    svg.end();

    svg.textGroup("card-axes", kCardFont);
    for (double s = low; s <= high + 1e-9; s += step)
        svg.text({left - 2, y(s)}, minutesSeconds(s), "end");
    for (std::size_t m = 0; m < card.monthStarts.size() && m < card.monthLabels.size(); ++m) {
        const double next = m + 1 < card.monthStarts.size() ? card.monthStarts[m + 1] : days + 1;
        svg.text({x((card.monthStarts[m] + next) / 2), top + kCardGraphHeight + kCardRowHeight / 2},
                 card.monthLabels[m]);
    }
    svg.end();

    // Broken where the clock jumps by its summer hour.
    svg.strokeGroup("card-graph", kLine);
    std::vector<Point> piece;
    for (std::size_t i = 0; i < card.addSeconds.size(); ++i) {
        if (i > 0 && std::fabs(card.addSeconds[i] - card.addSeconds[i - 1]) > 1800) {
            svg.polyline(piece);
            piece.clear();
        }
        piece.push_back({x(double(i)), y(card.addSeconds[i])});
    }
    if (piece.size() > 1)
        svg.polyline(piece);
    svg.end();

    // The table in two columns, down the first and then the second.
    svg.textGroup("card-table", kCardFont);
    const std::size_t perColumn = (card.rows.size() + 1) / 2;
    const double tableTop = top + kCardGraphHeight + 2 * kCardRowHeight;
    for (std::size_t i = 0; i < card.rows.size(); ++i) {
        const double column = i < perColumn ? 0 : cardWidth() / 2;
        const double rowY = tableTop + double(i % std::max<std::size_t>(perColumn, 1)) * kCardRowHeight;
        svg.text({column + 4, rowY}, card.rows[i].date, "start");
        svg.text({column + cardWidth() / 2 - 8, rowY}, minutesSeconds(card.rows[i].addSeconds), "end");
    }
    svg.end();
    svg.end();
}

// The shape to cut: the triangle root - foot - nodus over the part of the
// substyle that lies on the plate (a trapezoid when the root lies off it),
// or with the style parallel to the face a strip of the nodus height. In
// its own millimetres: u along the substyle from where it enters the plate,
// v up from the face.
std::vector<Point> gnomonShape(const DialInput &input, const DialLayout &layout)
{
    const double h = input.nodusHeight;
    if (!layout.substyle)
        return {{0, 0}, {0, h}}; // a pin standing square to the face
    const PlateSegment &s = *layout.substyle;
    if (!layout.root) {
        const double length = std::hypot(s.to.x - s.from.x, s.to.y - s.from.y);
        return {{0, 0}, {length, 0}, {length, h}, {0, h}};
    }
    const double base = layout.gnomon->base;
    const double enter = std::hypot(s.from.x - layout.root->x, s.from.y - layout.root->y);
    const double slope = h / base;
    std::vector<Point> shape{{0, 0}, {base - enter, 0}, {base - enter, h}};
    if (enter > 1e-6)
        shape.push_back({0, enter * slope});
    return shape;
}

double gnomonWidth(const std::vector<Point> &shape)
{
    double w = 0;
    for (Point p : shape)
        w = std::max(w, p.x);
    return w;
}

double gnomonHeight(const std::vector<Point> &shape)
{
    double h = 0;
    for (Point p : shape)
        h = std::max(h, p.y);
    return h;
}

void drawGnomon(Svg &svg, const std::vector<Point> &shape, const DialLayout &layout, Point at, double fontSize)
{
    const double top = gnomonHeight(shape);
    std::vector<Point> placed;
    for (Point p : shape)
        placed.push_back({at.x + p.x, at.y + top - p.y});
    svg.group("gnomon");
    svg.strokeGroup("gnomon-outline", kLine);
    svg.polyline(placed, placed.size() > 2);
    svg.end();
    svg.textGroup("gnomon-label", fontSize);
    char label[32];
    std::snprintf(label, sizeof label, "%.1f\xC2\xB0", layout.styleHeight);
    svg.text({at.x + gnomonWidth(shape) / 2, at.y + top + fontSize}, label);
    svg.end();
    svg.end();
}

// Labels clear of each other and of the foot's and the root's marks.
DialLabels placeLabels(const DialInput &input, const DialLayout &layout, const std::vector<DateLineDrawing> &dateLines,
                       double fontSize)
{
    std::vector<DateLineLabel> lines;
    for (const DateLineDrawing &line : dateLines)
        lines.push_back({line.label, &line.pieces});
    std::vector<LabelBox> marks{{{0, 0}, 4 * kMarkSize, 4 * kMarkSize}};
    if (layout.root)
        marks.push_back({*layout.root, 4 * kMarkSize, 4 * kMarkSize});
    const auto measure = [fontSize](const std::string &text, LabelKind kind) {
        return estimatedLabelSize(text, kind == LabelKind::Hour ? fontSize : kDateFont * fontSize);
    };
    return placeDialLabels(input.plate, layout, lines, measure, kLabelGap * fontSize, marks);
}

void drawPlate(Svg &svg, const DialInput &input, const DialLayout &layout,
               const std::vector<DateLineDrawing> &dateLines, const PlateMap &map, double fontSize)
{
    const PlateRect &plate = input.plate;
    const DialLabels labels = placeLabels(input, layout, dateLines, fontSize);
    svg.strokeGroup("plate", kLine);
    svg.rect(map.origin.x, map.origin.y, plate.width(), plate.height());
    svg.end();

    svg.group("hour-lines");
    svg.strokeGroup("hour-line-paths", kLine, " stroke-linecap=\"round\"");
    for (const HourLine &h : layout.hourLines)
        svg.line(map(h.line.from), map(h.line.to));
    svg.end();
    svg.textGroup("hour-labels", fontSize);
    for (const PlacedLabel &label : labels.hours)
        svg.text(map(label.box.centre), label.text);
    svg.end();
    svg.end();

    svg.strokeGroup("substyle", kFine, " stroke-dasharray=\"4 2\"");
    if (layout.substyle)
        svg.line(map(layout.substyle->from), map(layout.substyle->to));
    svg.end();

    const auto mark = [&](PlatePoint p) {
        const Point c = map(p);
        svg.circle(c, kMarkSize);
        svg.line({c.x - 2 * kMarkSize, c.y}, {c.x + 2 * kMarkSize, c.y});
        svg.line({c.x, c.y - 2 * kMarkSize}, {c.x, c.y + 2 * kMarkSize});
    };
    svg.strokeGroup("root", kFine);
    if (layout.root && plate.contains(*layout.root))
        mark(*layout.root);
    svg.end();
    svg.strokeGroup("nodus-foot", kFine);
    mark({0, 0});
    svg.end();

    svg.group("date-lines");
    svg.strokeGroup("date-line-paths", kFine);
    for (const DateLineDrawing &line : dateLines)
        for (const Polyline &piece : line.pieces) {
            std::vector<Point> points;
            for (PlatePoint p : piece)
                points.push_back(map(p));
            if (points.size() > 1)
                svg.polyline(points);
        }
    svg.end();
    svg.textGroup("date-labels", kDateFont * fontSize);
    for (const PlacedLabel &label : labels.dates)
        svg.text(map(label.box.centre), label.text);
    svg.end();
    svg.end();
}

} // namespace

std::string minutesSeconds(double seconds)
{
    const long s = std::lround(seconds);
    const long a = std::labs(s);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%ld:%02ld", s > 0 ? "+" : s < 0 ? "-" : "", a / 60, a % 60);
    return buf;
}

std::string dialSvg(const DialInput &input, const DialLayout &layout, const std::vector<DateLineDrawing> &dateLines,
                    const CardDrawing *card)
{
    const PlateRect &plate = input.plate;
    const double fontSize = std::clamp(std::min(plate.width(), plate.height()) / 30, 3.0, 40.0);
    const std::vector<Point> shape = gnomonShape(input, layout);
    const Point gnomonAt{kSvgMargin + plate.width() + kSvgGap, kSvgMargin};
    const double gnomonRight = gnomonAt.x + gnomonWidth(shape);
    double width = gnomonRight + kSvgMargin;
    double height = std::max(plate.height(), gnomonHeight(shape) + 2 * fontSize);
    Point cardAt{gnomonRight + kSvgGap, kSvgMargin};
    if (card) {
        width = cardAt.x + cardWidth() + kSvgMargin;
        height = std::max(height, cardHeight(*card));
    }
    height += 2 * kSvgMargin;

    Svg svg;
    svg.open(width, height);
    drawPlate(svg, input, layout, dateLines, PlateMap{plate, {kSvgMargin, kSvgMargin}}, fontSize);
    drawGnomon(svg, shape, layout, gnomonAt, fontSize);
    if (card)
        drawCard(svg, *card, cardAt);
    svg.close();
    return svg.str();
}

std::string cardSvg(const CardDrawing &card)
{
    Svg svg;
    svg.open(cardWidth() + 2 * kSvgMargin, cardHeight(card) + 2 * kSvgMargin);
    drawCard(svg, card, {kSvgMargin, kSvgMargin});
    svg.close();
    return svg.str();
}

} // namespace orvane::dial
