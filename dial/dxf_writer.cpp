#include "dial/dxf_writer.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <vector>

namespace orvane::dial {

namespace {

class Writer {
public:
    void pair(int code, const std::string &value)
    {
        out += std::to_string(code);
        out += '\n';
        out += value;
        out += '\n';
    }
    void pair(int code, double value)
    {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.6f", value);
        pair(code, std::string(buf));
    }
    void pair(int code, int value) { pair(code, std::to_string(value)); }
    void point(PlatePoint p, int base = 10)
    {
        pair(base, p.x);
        pair(base + 10, p.y);
        pair(base + 20, 0.0);
    }

    std::string out;
};

// The nearest of AutoCAD's basic colours, so that a cutter can tell the
// lines apart as the SVG's colours do: black as 7 (white on a dark screen).
int aciColour(std::uint32_t rgb)
{
    const int r = rgb >> 16 & 0xff, g = rgb >> 8 & 0xff, b = rgb & 0xff;
    if (r > g && r > b)
        return 1;
    if (g > r && g > b)
        return 3;
    if (b > r && b > g)
        return 5;
    return 7;
}

// Layer names take letters, digits, '-' and '_'.
std::string layerName(const std::string &name)
{
    std::string out;
    for (char c : name)
        out += (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') ? c : '_';
    return out.empty() ? std::string("0") : out;
}

// R12 text is 8-bit: the degree sign as its control code, other
// characters beyond ASCII as \U+XXXX, line breaks as spaces.
std::string dxfString(const std::string &text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out += (c == '\n' || c == '\r') ? ' ' : char(c);
            ++i;
            continue;
        }
        const int extra = c >= 0xf0 ? 3 : c >= 0xe0 ? 2 : 1;
        unsigned code = c & (0x3f >> extra);
        for (int k = 1; k <= extra && i + k < text.size(); ++k)
            code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3f);
        i += extra + 1;
        char buf[16];
        std::snprintf(buf, sizeof buf, "\\U+%04X", code);
        out += code == 0xb0 ? std::string("%%d") : std::string(buf);
    }
    return out;
}

void entities(Writer &w, const Group &g, const std::string &layer)
{
    for (const Path &p : g.paths) {
        if (p.points.size() == 2 && !p.closed) {
            w.pair(0, "LINE");
            w.pair(8, layer);
            w.point(p.points[0], 10);
            w.point(p.points[1], 11);
        } else if (p.points.size() >= 2) {
            w.pair(0, "POLYLINE");
            w.pair(8, layer);
            w.pair(66, 1);
            w.point({0, 0});
            w.pair(70, p.closed ? 1 : 0);
            for (PlatePoint q : p.points) {
                w.pair(0, "VERTEX");
                w.pair(8, layer);
                w.point(q);
            }
            w.pair(0, "SEQEND");
            w.pair(8, layer);
        }
    }
    for (const Circle &c : g.circles) {
        w.pair(0, "CIRCLE");
        w.pair(8, layer);
        w.point(c.centre);
        w.pair(40, c.radius);
    }
    for (const Label &l : g.labels) {
        // Aligned by its middle (72 = 1 centre, 2 right; 73 = 2 middle),
        // which puts it at the second point.
        w.pair(0, "TEXT");
        w.pair(8, layer);
        w.point(l.at, 10);
        w.pair(40, l.size * 0.7); // cap height, about 0.7 em
        w.pair(1, dxfString(l.text));
        w.pair(72, l.anchor == Anchor::Start ? 0 : l.anchor == Anchor::End ? 2 : 1);
        w.point(l.at, 11);
        w.pair(73, 2);
    }
    for (const Group &child : g.groups)
        entities(w, child, layer);
}

} // namespace

std::string dxfText(const Drawing &drawing)
{
    const PlateRect extent = bounds(drawing);
    Writer w;
    w.pair(999, "Orvane dial, millimetres");
    w.pair(0, "SECTION");
    w.pair(2, "HEADER");
    w.pair(9, "$ACADVER");
    w.pair(1, "AC1009");
    w.pair(9, "$INSUNITS");
    w.pair(70, 4);
    w.pair(9, "$MEASUREMENT");
    w.pair(70, 1);
    w.pair(9, "$EXTMIN");
    w.point({extent.xMin, extent.yMin});
    w.pair(9, "$EXTMAX");
    w.point({extent.xMax, extent.yMax});
    w.pair(0, "ENDSEC");

    w.pair(0, "SECTION");
    w.pair(2, "TABLES");
    // The linetypes the layers name; DASHED as the SVG's dashes, 4 mm on, 2 off.
    w.pair(0, "TABLE");
    w.pair(2, "LTYPE");
    w.pair(70, 2);
    auto linetype = [&w](const std::string &name, const std::string &look, std::vector<double> dashes) {
        w.pair(0, "LTYPE");
        w.pair(2, name);
        w.pair(70, 0);
        w.pair(3, look);
        w.pair(72, 65);
        w.pair(73, int(dashes.size()));
        double length = 0;
        for (double d : dashes)
            length += std::abs(d);
        w.pair(40, length);
        for (double d : dashes)
            w.pair(49, d);
    };
    linetype("CONTINUOUS", "Solid line", {});
    linetype("DASHED", "__ __ __", {4.0, -2.0});
    w.pair(0, "ENDTAB");

    w.pair(0, "TABLE");
    w.pair(2, "LAYER");
    w.pair(70, int(drawing.groups.size()) + 1);
    auto layer = [&w](const std::string &name, int colour, bool dashed) {
        w.pair(0, "LAYER");
        w.pair(2, name);
        w.pair(70, 0);
        w.pair(62, colour);
        w.pair(6, dashed ? "DASHED" : "CONTINUOUS");
    };
    layer("0", 7, false);
    for (const Group &g : drawing.groups)
        layer(layerName(g.name), aciColour(g.pen.colour), g.pen.dashed);
    w.pair(0, "ENDTAB");
    w.pair(0, "ENDSEC");

    w.pair(0, "SECTION");
    w.pair(2, "ENTITIES");
    for (const Group &g : drawing.groups)
        entities(w, g, layerName(g.name));
    w.pair(0, "ENDSEC");
    w.pair(0, "EOF");
    return w.out;
}

} // namespace orvane::dial
