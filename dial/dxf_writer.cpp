#include "dial/dxf_writer.h"
#include "dial/dxf_tags.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

namespace orvane::dial {

namespace {

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

// Texts in a colour no line takes: programs that sort by colour rather
// than by layer find them apart too.
constexpr int kTextColour = 4;

// Layer names take letters, digits, '-' and '_'.
std::string layerName(const std::string &name)
{
    std::string out;
    for (char c : name)
        out += (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') ? c : '_';
    return out.empty() ? std::string("0") : out;
}

// Text in the file's code page: the degree sign as its control code, other
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

bool hasLabels(const Group &g)
{
    bool any = false;
    forEachGroup(g, [&any](const Group &each) { any = any || !each.labels.empty(); });
    return any;
}

void entities(DxfTags &t, const Group &g, const std::string &layer, const std::string &textLayer)
{
    for (const Path &p : g.paths) {
        if (p.points.size() == 2 && !p.closed) {
            t.entity("LINE", layer);
            t.pair(100, "AcDbLine");
            t.point(p.points[0], 10);
            t.point(p.points[1], 11);
        } else if (p.points.size() >= 2) {
            t.entity("LWPOLYLINE", layer);
            t.pair(100, "AcDbPolyline");
            t.pair(90, int(p.points.size()));
            t.pair(70, p.closed ? 1 : 0);
            for (PlatePoint q : p.points) {
                t.pair(10, q.x);
                t.pair(20, q.y);
            }
        }
    }
    for (const Circle &c : g.circles) {
        t.entity("CIRCLE", layer);
        t.pair(100, "AcDbCircle");
        t.point(c.centre);
        t.pair(40, c.radius);
    }
    for (const Label &l : g.labels) {
        // Aligned by its middle (72 = 1 centre, 2 right; 73 = 2 middle),
        // which puts it at the second point.
        t.entity("TEXT", textLayer);
        t.pair(100, "AcDbText");
        t.point(l.at, 10);
        t.pair(40, l.size * 0.7); // cap height, about 0.7 em
        t.pair(1, dxfString(l.text));
        t.pair(7, kDxfTextStyle);
        t.pair(72, l.anchor == Anchor::Start ? 0 : l.anchor == Anchor::End ? 2 : 1);
        t.point(l.at, 11);
        t.pair(100, "AcDbText");
        t.pair(73, 2);
    }
    for (const Group &child : g.groups)
        entities(t, child, layer, textLayer);
}

} // namespace

std::string dxfText(const Drawing &drawing)
{
    std::vector<DxfLayer> layers{{"0", 7}};
    const auto addLayer = [&layers](const std::string &name, int colour) {
        if (std::none_of(layers.begin(), layers.end(), [&name](const DxfLayer &l) { return l.name == name; }))
            layers.push_back({name, colour});
    };
    DxfTags tags;
    for (const Group &g : drawing.groups) {
        // Every group keeps its layer, empty or not: users look for it by name.
        const std::string layer = layerName(g.name), textLayer = layer + "-text";
        addLayer(layer, aciColour(g.pen.colour));
        if (hasLabels(g))
            addLayer(textLayer, kTextColour);
        entities(tags, g, layer, textLayer);
    }
    return dxfDocument(std::move(tags), layers, bounds(drawing));
}

} // namespace orvane::dial
