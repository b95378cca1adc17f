// The analemmatic dial against the sun itself: a person standing upright
// on the date's place casts a shadow through the hour's mark. The sun's
// direction comes from the spherical triangle (east, north, up), not from
// the dial's own formulas.
#include "dial/analemmatic.h"
#include "dial/analemmatic_drawing.h"
#include "dial/dial_kinds.h"
#include "dial/label_placer.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace orvane::dial;

namespace {

constexpr double kRad = std::numbers::pi / 180;

DialInput ground(double latitude, double longitude = 0, DialTime time = DialTime::Sun, double zoneMeridian = 0)
{
    DialInput in;
    in.type = DialType::Analemmatic;
    in.latitude = latitude;
    in.longitude = longitude;
    in.time = time;
    in.zoneMeridian = zoneMeridian;
    in.halfWidth = 2.5;
    in.stepMinutes = 30;
    return in;
}

// The drawing's group of this name, searched depth first.
const Group *findGroup(const std::vector<Group> &groups, const std::string &name)
{
    for (const Group &g : groups) {
        if (g.name == name)
            return &g;
        if (const Group *inner = findGroup(g.groups, name))
            return inner;
    }
    return nullptr;
}

// The dial drawn with the solstices, the equinox and the first of each
// month, the months' declinations at noon on the 1st in 2027 (worked from
// the Astronomical Almanac's low-precision formulas, to 0.1 degree).
Drawing drawnWithMonths(double latitude)
{
    DialInput in = ground(latitude);
    in.plate = groundPlate(in, 0, 0);
    DialFace face{"", in, "", dialKind(DialType::Analemmatic).layout(in), {}, {}, {}, true};
    const std::pair<const char *, double> dates[] = {
        {"21 Jun", 23.44}, {"Equinox", 0}, {"21 Dec", -23.44}, {"1 Jan", -23.0}, {"1 Feb", -17.1},
        {"1 Mar", -7.6},   {"1 Apr", 4.5}, {"1 May", 15.0},    {"1 Jun", 22.0},  {"1 Jul", 23.1},
        {"1 Aug", 18.1},   {"1 Sep", 8.4}, {"1 Oct", -3.1},    {"1 Nov", -14.3}, {"1 Dec", -21.8}};
    for (const auto &[label, declination] : dates)
        face.dateLines.push_back({"", label, "", declination, groundDateTick(in, declination), {}});
    return drawAnalemmaticDial(DrawingInput{{face}, nullptr, {}, {}});
}

} // namespace

class TestAnalemmatic : public QObject {
    Q_OBJECT
private slots:
    void shadowThroughTheMark_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<bool>("zoneTime");
        QTest::newRow("London, sun time") << 51.5 << -0.12 << false;
        QTest::newRow("Sydney, sun time") << -33.87 << 151.2 << false;
        QTest::newRow("Sydney, zone time at 150 E") << -33.87 << 151.2 << true;
        QTest::newRow("15 N, zone time 5 degrees west of its meridian") << 15.0 << -80.0 << true;
        QTest::newRow("70 N, the midnight sun") << 70.0 << 20.0 << false;
    }
    void shadowThroughTheMark()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(bool, zoneTime);
        const double meridian = 15 * std::round(longitude / 15);
        const DialInput in = ground(latitude, longitude, zoneTime ? DialTime::Zone : DialTime::Sun, meridian);
        const GroundLayout l = layoutGround(in);
        QVERIFY(l.marks.size() >= 20);
        const double phi = latitude * kRad;
        double worst = 0;
        int checked = 0;
        for (const GroundMark &m : l.marks)
            for (double declination : {-23.44, -11.0, 0.0, 8.5, 23.44}) {
                // The sun's hour angle when a clock on this dial's time reads the mark.
                const double h = (15 * (m.hour - 12) + (zoneTime ? longitude - meridian : 0)) * kRad;
                const double d = declination * kRad;
                const double east = -std::cos(d) * std::sin(h);
                const double north = std::cos(phi) * std::sin(d) - std::sin(phi) * std::cos(d) * std::cos(h);
                const double up = std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(h);
                if (up <= 0.02)
                    continue; // below or on the horizon: no shadow to read
                const double standY = groundDateY(in, declination);
                const double toX = m.at.x, toY = m.at.y - standY;
                // The shadow points away from the sun's bearing.
                const double angle = std::atan2(-east * toY + north * toX, -east * toX - north * toY) / kRad;
                worst = std::max(worst, std::fabs(angle));
                ++checked;
            }
        QVERIFY(checked > 40);
        qInfo("largest angle between shadow and mark: %.2e degrees over %d cases", worst, checked);
        QVERIFY2(worst < 1e-9, qPrintable(QString::number(worst)));
    }

    // Staked with two tapes, each mark lands where the layout puts it; and
    // the southern dial is the northern one turned over the east-west axis.
    void twoTapesAndTheSouth()
    {
        for (double latitude : {51.5, -51.5, 12.0, -78.0}) {
            const GroundLayout l = layoutGround(ground(latitude));
            for (const GroundMark &m : l.marks) {
                const std::optional<PlatePoint> p = stakedPoint(l.noonY, m.fromCentre, m.fromNoon, m.side);
                QVERIFY(p);
                QVERIFY2(std::hypot(p->x - m.at.x, p->y - m.at.y) < 1e-9, m.label.c_str());
            }
        }
        const GroundLayout north = layoutGround(ground(33.87)), south = layoutGround(ground(-33.87));
        QCOMPARE(south.marks.size(), north.marks.size());
        for (std::size_t i = 0; i < north.marks.size(); ++i) {
            QCOMPARE(south.marks[i].label, north.marks[i].label);
            QVERIFY(std::fabs(south.marks[i].at.x - north.marks[i].at.x) < 1e-12);
            QVERIFY(std::fabs(south.marks[i].at.y + north.marks[i].at.y) < 1e-12);
        }
        QVERIFY(std::fabs(groundDateY(ground(-33.87), 23.44) + groundDateY(ground(33.87), -23.44)) < 1e-12);
        QCOMPARE(south.noonY < 0, true);
    }

    // The foci and the string loop against the worked formulas: foci at
    // +-M cos(latitude), a loop of 2M + 2M cos(latitude) (a loop round both
    // pins and the marker is the distance between the pins plus the
    // ellipse's 2M). M = 2.5 m.
    void fociAndStringLoop_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("focus");
        QTest::addColumn<double>("loop");
        // cos(51.5) = 0.62251, cos(33.87) = 0.83030, by hand.
        QTest::newRow("London, 51.5 N") << 51.5 << 1.55628 << 8.11256;
        QTest::newRow("Sydney, 33.87 S") << -33.87 << 2.07576 << 9.15152;
    }
    void fociAndStringLoop()
    {
        QFETCH(double, latitude);
        QFETCH(double, focus);
        QFETCH(double, loop);
        const GroundLayout l = layoutGround(ground(latitude));
        QVERIFY2(std::fabs(l.focus - focus) < 1e-4, qPrintable(QString::number(l.focus)));
        QVERIFY2(std::fabs(l.stringLoop - loop) < 1e-4, qPrintable(QString::number(l.stringLoop)));
        // The loop closes round the pins and a point of the ellipse: the
        // end of the minor axis is sqrt(focus^2 + minor^2) = M from each.
        QVERIFY(std::fabs(2 * std::hypot(l.focus, l.minorHalfWidth) + 2 * l.focus - l.stringLoop) < 1e-9);
    }

    // The staking table's side of each mark against its x, the noon point
    // and its drawn stake on the side of C the layout says (north in the
    // north, south in the south), and the foci's pins drawn either side of
    // C on the east-west line, as far out as the worked figures above.
    void sidesAndTheNoonStake_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<int>("noonSide"); // +1 north of C
        QTest::newRow("London, N north of C") << 51.5 << 1;
        QTest::newRow("Sydney, N south of C") << -33.87 << -1;
    }
    void sidesAndTheNoonStake()
    {
        QFETCH(double, latitude);
        QFETCH(int, noonSide);
        const GroundLayout l = layoutGround(ground(latitude));
        QCOMPARE(l.noonY > 0 ? 1 : -1, noonSide);
        for (const GroundMark &m : l.marks) {
            // Before noon the sun is east and the shadow, so the mark, west.
            QCOMPARE(m.side, m.hour < 12 ? -1 : m.hour > 12 ? 1 : 0);
            QCOMPARE(m.side, m.at.x > 1e-9 ? 1 : m.at.x < -1e-9 ? -1 : 0);
        }
        const Drawing drawn = drawnWithMonths(latitude);
        const Group *stakes = findGroup(drawn.groups, "stakes");
        QVERIFY(stakes);
        QCOMPARE(stakes->labels.size(), std::size_t(2));
        const Label &n = stakes->labels[1];
        QCOMPARE(n.text, std::string("N"));
        QVERIFY2(std::fabs(n.at.y - l.noonY * 1000) < 1e-6, qPrintable(QString::number(n.at.y)));
        QCOMPARE(stakes->circles.size(), std::size_t(2));
        QVERIFY(std::fabs(stakes->circles[1].centre.y - l.noonY * 1000) < 1e-6);
        const Group *foci = findGroup(drawn.groups, "foci");
        QVERIFY(foci && foci->circles.size() == 2);
        for (const Circle &pin : foci->circles)
            QVERIFY(std::fabs(std::fabs(pin.centre.x) - l.focus * 1000) < 1e-6 && pin.centre.y == 0);
        QVERIFY(foci->circles[0].centre.x * foci->circles[1].centre.x < 0);
    }

    // Every date label stands level with a tick it names, within its own
    // height, and covers no mark, letter, number or focus. With the month
    // lines 1 Apr and 1 Oct stand about 0.12 m either side of the equinox:
    // each its own label, never "Equinox, 1 Apr, 1 Oct".
    void dateLabelsAtTheirTicks_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::newRow("London") << 51.5;
        QTest::newRow("Sydney") << -33.87;
        QTest::newRow("20 N, the date scale past the ellipse") << 20.0;
    }
    void dateLabelsAtTheirTicks()
    {
        QFETCH(double, latitude);
        const Drawing d = drawnWithMonths(latitude);
        const Group *ticks = findGroup(d.groups, "date-ticks"), *labels = findGroup(d.groups, "date-labels");
        QVERIFY(ticks && labels);
        QVERIFY(labels->labels.size() >= 8);
        std::vector<LabelBox> marks;
        for (const char *name : {"stakes", "foci", "hour-points"})
            for (const Circle &c : findGroup(d.groups, name)->circles)
                marks.push_back({c.centre, 2 * c.radius, 2 * c.radius});
        for (const char *name : {"stakes", "hour-labels"})
            for (const Label &l : findGroup(d.groups, name)->labels) {
                const LabelSize s = estimatedLabelSize(l.text, l.size);
                marks.push_back({l.at, s.width, s.height});
            }
        for (const Label &l : labels->labels) {
            const LabelSize s = estimatedLabelSize(l.text, l.size);
            std::string rest = l.text + ", ";
            for (std::size_t cut; (cut = rest.find(", ")) != std::string::npos; rest.erase(0, cut + 2)) {
                const std::string name = rest.substr(0, cut);
                const auto tick = std::find_if(ticks->paths.begin(), ticks->paths.end(),
                                               [&](const Path &p) { return p.name == name; });
                QVERIFY2(tick != ticks->paths.end(), name.c_str());
                QVERIFY2(std::fabs(tick->points.front().y - l.at.y) < s.height,
                         qPrintable(QStringLiteral("%1 at %2, its tick at %3")
                                        .arg(QString::fromStdString(name))
                                        .arg(l.at.y)
                                        .arg(tick->points.front().y)));
            }
            for (const LabelBox &m : marks)
                QVERIFY2(!LabelBox({l.at, s.width, s.height}).overlaps(m), l.text.c_str());
        }
    }

    void personAsGnomon()
    {
        // Worked by hand for 51.5 N, M = 2.5 m: at noon on the June solstice
        // the person stands M tan(23.44) cos(51.5) = 0.675 m north of C, the
        // mark lies M sin(51.5) = 1.957 m north, the sun is 61.94 degrees
        // high: 1.282 m x tan(61.94) = 2.406 m, the year's worst.
        const GroundLayout l = layoutGround(ground(51.5));
        QVERIFY(std::fabs(l.gnomonHeight - 2.406) < 0.005);
        QCOMPARE(l.gnomon.front().hour, 9.0);
        QCOMPARE(l.gnomon.back().hour, 15.0);
        // A smaller dial needs a proportionally smaller person.
        DialInput small = ground(51.5);
        small.halfWidth = 1.25;
        QVERIFY(std::fabs(layoutGround(small).gnomonHeight - 2.406 / 2) < 0.005);
    }
};

QTEST_MAIN(TestAnalemmatic)
#include "tst_analemmatic.moc"
