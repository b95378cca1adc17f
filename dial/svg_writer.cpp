#include "dial/svg_writer.h"

#include <algorithm>
#include <cstdio>

namespace orvane::dial {

namespace {

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

std::string colour(std::uint32_t rgb)
{
    if (rgb == 0)
        return "black";
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06x", unsigned(rgb & 0xffffff));
    return buf;
}

class Writer {
public:
    explicit Writer(const PlateRect &extent) : left_(extent.xMin - kSvgMargin), top_(extent.yMax + kSvgMargin) {}

    void group(const Group &g)
    {
        out += "<g id=\"" + escaped(g.name) + '"';
        const bool lines = !g.paths.empty() || !g.circles.empty();
        if (lines) {
            out += " fill=\"none\" stroke=\"" + colour(g.pen.colour) + "\" stroke-width=\"" + num(g.pen.width) + '"';
            out += g.pen.dashed ? " stroke-dasharray=\"4 2\"" : " stroke-linecap=\"round\"";
        }
        const bool oneSize = !g.labels.empty() && std::all_of(g.labels.begin(), g.labels.end(), [&](const Label &l) {
            return l.size == g.labels.front().size;
        });
        if (!g.labels.empty()) {
            out += " font-family=\"sans-serif\" text-anchor=\"middle\"";
            if (!lines)
                out += " fill=\"" + colour(g.pen.colour) + "\" stroke=\"none\"";
            if (oneSize)
                out += " font-size=\"" + num(g.labels.front().size) + '"';
        }
        textColour_ = lines ? colour(g.pen.colour) : std::string();
        out += ">\n";
        for (const Path &p : g.paths)
            path(p);
        for (const Circle &c : g.circles)
            out += "<circle cx=\"" + x(c.centre) + "\" cy=\"" + y(c.centre) + "\" r=\"" + num(c.radius) + "\"/>\n";
        for (const Label &l : g.labels)
            label(l, !oneSize);
        for (const Group &child : g.groups)
            group(child);
        out += "</g>\n";
    }

    std::string out;

private:
    std::string x(PlatePoint p) const { return num(p.x - left_); }
    std::string y(PlatePoint p) const { return num(top_ - p.y); }

    void path(const Path &p)
    {
        const std::vector<PlatePoint> &v = p.points;
        if (v.size() == 2 && !p.closed) {
            out +=
                "<line x1=\"" + x(v[0]) + "\" y1=\"" + y(v[0]) + "\" x2=\"" + x(v[1]) + "\" y2=\"" + y(v[1]) + "\"/>\n";
            return;
        }
        // An upright rectangle from its top left, clockwise: a rect, which
        // keeps its width and height exact.
        if (p.closed && v.size() == 4 && v[0].y == v[1].y && v[1].x == v[2].x && v[2].y == v[3].y && v[3].x == v[0].x &&
            v[1].x > v[0].x && v[0].y > v[3].y) {
            out += "<rect x=\"" + x(v[0]) + "\" y=\"" + y(v[0]) + "\" width=\"" + num(v[1].x - v[0].x) +
                   "\" height=\"" + num(v[0].y - v[3].y) + "\"/>\n";
            return;
        }
        out += p.closed ? "<polygon points=\"" : "<polyline points=\"";
        for (std::size_t i = 0; i < v.size(); ++i)
            out += (i ? " " : "") + x(v[i]) + ',' + y(v[i]);
        out += "\"/>\n";
    }

    void label(const Label &l, bool ownSize)
    {
        out += "<text x=\"" + x(l.at) + "\" y=\"" + y(l.at) + "\" dominant-baseline=\"middle\"";
        if (l.anchor != Anchor::Middle)
            out += std::string(" text-anchor=\"") + (l.anchor == Anchor::Start ? "start" : "end") + '"';
        if (ownSize)
            out += " font-size=\"" + num(l.size) + '"';
        // Text in a group of lines is filled, not stroked.
        if (!textColour_.empty())
            out += " fill=\"" + textColour_ + "\" stroke=\"none\"";
        out += '>' + escaped(l.text) + "</text>\n";
    }

    double left_;
    double top_;
    std::string textColour_;
};

} // namespace

std::string svgText(const Drawing &drawing)
{
    const PlateRect extent = bounds(drawing);
    const double width = extent.width() + 2 * kSvgMargin, height = extent.height() + 2 * kSvgMargin;
    Writer w(extent);
    w.out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
            num(width) + "mm\" height=\"" + num(height) + "mm\" viewBox=\"0 0 " + num(width) + ' ' + num(height) +
            "\">\n";
    for (const Group &g : drawing.groups)
        w.group(g);
    w.out += "</svg>\n";
    return w.out;
}

} // namespace orvane::dial
