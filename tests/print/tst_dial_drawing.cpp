// Every kind of dial drawn once, and each writer taking the same drawing:
// every line of the plate on the plate, and the SVG, the DXF and the
// painter (recorded as SVG by Qt's own generator) each with one element per
// path, circle and label; no label on the plate crossed by a line.
#include "dial/dxf_writer.h"
#include "dial/label_placer.h"
#include "dial/svg_writer.h"
#include "field/dial_design.h"
#include "print/drawing_painter.h"

#include <QBuffer>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QtTest>

#include <set>

using namespace orvane;

namespace {

struct Counts {
    int paths = 0, circles = 0, labels = 0;
    bool operator==(const Counts &) const = default;
};

char *toString(const Counts &c) // for QCOMPARE's message
{
    return qstrdup(
        qPrintable(QStringLiteral("%1 paths, %2 circles, %3 labels").arg(c.paths).arg(c.circles).arg(c.labels)));
}

int count(const QString &text, const QString &pattern) { return int(text.count(QRegularExpression(pattern))); }

Counts inDrawing(const dial::Drawing &d)
{
    Counts c;
    for (const dial::Group &top : d.groups)
        dial::forEachGroup(top, [&c](const dial::Group &g) {
            c.paths += int(g.paths.size());
            c.circles += int(g.circles.size());
            c.labels += int(g.labels.size());
        });
    return c;
}

Counts inSvg(const std::string &svg)
{
    const QString t = QString::fromStdString(svg);
    return {count(t, "<(line|polyline|polygon|rect) "), count(t, "<circle "), count(t, "<text ")};
}

Counts inDxf(const std::string &dxf)
{
    const QString t = QString::fromStdString(dxf);
    return {count(t, "(?m)^0\\n(LINE|LWPOLYLINE)$"), count(t, "(?m)^0\\nCIRCLE$"), count(t, "(?m)^0\\nTEXT$")};
}

// What the painter sends to a paint device, as Qt's SVG generator writes it.
Counts painted(const dial::Drawing &d)
{
    QBuffer out;
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(QSize(2000, 2000));
    {
        QPainter p(&svg);
        PaintOptions options;
        options.labelGround = false;
        const dial::PlateRect b = dial::bounds(d);
        paintDrawing(p, d, std::nullopt, plateToDevice(1, b.xMin, b.yMax, QPointF()), options);
    }
    const QString t = QString::fromUtf8(out.data());
    return {count(t, "<(polyline|polygon|path) "), count(t, "<(circle|ellipse) "), count(t, "<text ")};
}

} // namespace

class TestDialDrawing : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    void everyKind_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("facing");
        const struct {
            const char *name;
            double latitude;
        } sites[] = {{"40.655 N", 40.655}, {"33.9 S", -33.9}, {"the equator", 0}};
        for (const dial::DialKind &k : dial::dialKinds())
            for (const auto &site : sites)
                for (double facing :
                     k.takes(dial::DialSetting::Facing) ? std::vector<double>{200, 90} : std::vector<double>{180})
                    QTest::addRow("%s, %s, facing %g", k.commandName, site.name, facing)
                        << QString::fromLatin1(k.commandName) << site.latitude << facing;
    }
    void everyKind()
    {
        QFETCH(QString, kind);
        QFETCH(double, latitude);
        QFETCH(double, facing);
        AcceptedSite site;
        site.date = QDate(2027, 6, 21);
        site.latitude = latitude;
        site.longitude = -72.855;
        DialSettings settings;
        settings.type = dial::findDialKind(kind.toStdString())->type;
        settings.facing = facing;
        settings.stepMinutes = 15;
        settings.dateLines = DateLineChoice::Months;
        const DialDesign design = designDial(site, settings, DesignChoices{}, QLocale());

        // The lines a maker transfers all lie on the plate.
        const dial::PlateRect plate = design.faces.front().input.plate;
        const dial::PlateRect grown{plate.xMin - 1e-9, plate.yMin - 1e-9, plate.xMax + 1e-9, plate.yMax + 1e-9};
        int lines = 0;
        for (const dial::Group &top : design.drawing.groups)
            if (top.name == "plate" || top.name == "hour-lines" || top.name == "date-lines" || top.name == "substyle" ||
                top.name == "ellipse" || top.name == "date-scale" || top.name == "north-south-line" ||
                top.name == "meridian-line" || top.name == "figure-8" || top.name == "wires")
                dial::forEachGroup(top, [&](const dial::Group &g) {
                    for (const dial::Path &path : g.paths)
                        for (dial::PlatePoint p : path.points) {
                            ++lines;
                            QVERIFY2(grown.contains(p), qPrintable(QStringLiteral("%1 (%2, %3) in %4")
                                                                       .arg(QString::fromStdString(g.name))
                                                                       .arg(p.x)
                                                                       .arg(p.y)
                                                                       .arg(QString::fromStdString(path.name))));
                        }
                });
        // Only a noon mark's face the spot never reaches (a wall turned from
        // the sun at the mark time) has nothing but its outline.
        const std::vector<dial::Table> &tables = design.report.tables;
        QVERIFY(lines > 4 || (!tables.empty() && tables.front().rows.empty()));

        // No numeral or word on the plate is struck through by a whole
        // hour's line, the substyle or a date line (a date's by its own),
        // nor a half or quarter hour's by its own line: each line sampled
        // every 0.1 mm against every label's box.
        std::vector<dial::Path> struck;
        std::vector<dial::Label> words;
        std::set<std::string> dates;
        const auto named = [](const dial::Group &g, std::initializer_list<const char *> prefixes) {
            return std::any_of(prefixes.begin(), prefixes.end(),
                               [&g](const char *p) { return g.name.rfind(p, 0) == 0; });
        };
        for (const dial::Group &top : design.drawing.groups)
            dial::forEachGroup(top, [&](const dial::Group &g) {
                if (named(g, {"hour-line-paths", "date-line-paths", "substyle"}))
                    struck.insert(struck.end(), g.paths.begin(), g.paths.end());
                if (named(g, {"hour-labels", "date-labels", "nodus-foot", "root"}))
                    words.insert(words.end(), g.labels.begin(), g.labels.end());
                if (named(g, {"date-labels"}))
                    for (const dial::Label &l : g.labels)
                        dates.insert(l.text);
            });
        for (const dial::Label &l : words) {
            const dial::LabelSize size = dial::estimatedLabelSize(l.text, l.size);
            for (const dial::Path &path : struck) {
                const bool own = l.text.substr(0, l.text.find(", ")) == path.name;
                if ((path.name.find(':') != std::string::npos || dates.count(l.text)) && !own)
                    continue;
                for (std::size_t i = 1; i < path.points.size(); ++i) {
                    const dial::PlatePoint a = path.points[i - 1], b = path.points[i];
                    const int steps = 1 + int(std::hypot(b.x - a.x, b.y - a.y) / 0.1);
                    for (int k = 0; k <= steps; ++k) {
                        const double t = double(k) / steps;
                        const double x = a.x + t * (b.x - a.x), y = a.y + t * (b.y - a.y);
                        QVERIFY2(
                            std::fabs(x - l.at.x) > size.width / 2 || std::fabs(y - l.at.y) > size.height / 2,
                            qPrintable(QStringLiteral("\"%1\" crossed by %2")
                                           .arg(QString::fromStdString(l.text), QString::fromStdString(path.name))));
                    }
                }
            }
        }

        const Counts drawn = inDrawing(design.drawing);
        QVERIFY(drawn.paths > 0 && drawn.labels > 0);
        QCOMPARE(inSvg(dial::svgText(design.drawing)), drawn);
        QCOMPARE(inDxf(dial::dxfText(design.drawing)), drawn);
        QCOMPARE(painted(design.drawing), drawn);
    }
};

QTEST_MAIN(TestDialDrawing)
#include "tst_dial_drawing.moc"
