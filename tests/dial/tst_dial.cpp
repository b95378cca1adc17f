// Plane dials against closed forms and against shadows cast in the test's own
// east-north-up frame, with the sun found from its altitude and azimuth.
#include "dial/card_drawing.h"
#include "dial/date_lines.h"
#include "dial/dial_kinds.h"
#include "dial/dial_layout.h"
#include "tests/support/near.h"

#include <QTest>

#include <array>
#include <numbers>
#include <optional>

using namespace orvane::dial;
Q_DECLARE_METATYPE(DialInput)

namespace {
using Enu = std::array<double, 3>;
constexpr double kRad = std::numbers::pi / 180;
constexpr auto kH = DialType::Horizontal;
constexpr auto kV = DialType::Vertical;

double dotEnu(Enu a, Enu b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
PlatePoint along(PlateSegment s) { return {s.to.x - s.from.x, s.to.y - s.from.y}; }
double cross(PlatePoint a, PlatePoint b) { return a.x * b.y - a.y * b.x; }

// The default 50 mm nodus, on a square plate placed around the dial; the
// kind sets the face's orientation, as for the program.
DialInput dial(DialType type, double latitude, double facing, double side = 300)
{
    DialInput given;
    given.latitude = latitude;
    given.type = type;
    given.facing = facing;
    DialInput in = dialKind(type).faces(given).front().input;
    in.plate = plateAround(in, side, side);
    return in;
}

// Normal, right and up of the face; on a wall, right = look x zenith for someone looking at it.
std::array<Enu, 3> faceOf(const DialInput &in)
{
    if (in.type == kH)
        return {Enu{0, 0, 1}, Enu{1, 0, 0}, Enu{0, 1, 0}};
    const Enu look{-std::sin(in.facing * kRad), -std::cos(in.facing * kRad), 0};
    return {Enu{-look[0], -look[1], 0}, Enu{look[1], -look[0], 0}, Enu{0, 0, 1}};
}

// The nodus's shadow (degrees in); none while the face or the sky is dark.
std::optional<PlatePoint> castShadow(const DialInput &in, double hourAngle, double declination)
{
    const double f = in.latitude * kRad, h = hourAngle * kRad, d = declination * kRad;
    const double alt = std::asin(std::sin(f) * std::sin(d) + std::cos(f) * std::cos(d) * std::cos(h));
    const double az =
        std::atan2(-std::cos(d) * std::sin(h), std::cos(f) * std::sin(d) - std::sin(f) * std::cos(d) * std::cos(h));
    const Enu sun{std::cos(alt) * std::sin(az), std::cos(alt) * std::cos(az), std::sin(alt)};
    const auto [normal, right, up] = faceOf(in);
    if (dotEnu(sun, normal) <= 0 || sun[2] <= 0)
        return std::nullopt;
    Enu hit; // nodus - t sun, on the face
    for (int i = 0; i < 3; ++i)
        hit[i] = in.nodusHeight * (normal[i] - sun[i] / dotEnu(sun, normal));
    return PlatePoint{dotEnu(hit, right), dotEnu(hit, up)};
}

// The declination (degrees) of the sun that throws the nodus's shadow on p.
double declinationAt(const DialInput &in, PlatePoint p)
{
    const auto [normal, right, up] = faceOf(in);
    Enu toNodus;
    for (int i = 0; i < 3; ++i)
        toNodus[i] = in.nodusHeight * normal[i] - p.x * right[i] - p.y * up[i];
    const Enu pole{0, std::cos(in.latitude * kRad), std::sin(in.latitude * kRad)};
    return std::asin(dotEnu(toNodus, pole) / std::sqrt(dotEnu(toNodus, toNodus))) / kRad;
}

} // namespace

class TestDial : public QObject {
    Q_OBJECT
private slots:
    // Closed forms for the dials facing the equator: tan(angle from the substyle) = sin(style height) tan(hour
    // angle), the style height being |latitude| on a horizontal dial and its complement on a wall; on a wall
    // declining 20 deg, sin(style height) = cos(latitude) cos(20). On all of them, shadows cast in the test's frame
    // fall on their hour's segment.
    void hourLines_data()
    {
        QTest::addColumn<DialInput>("in");
        QTest::addColumn<double>("k"); // sine of the style height
        QTest::addColumn<bool>("direct");
        QTest::addColumn<double>("afternoonSide"); // sign of x where the afternoon shadows fall
        QTest::newRow("horizontal 40.655N") << dial(kH, 40.655, 0, 1000) << std::sin(40.655 * kRad) << true << 1.0;
        QTest::newRow("horizontal 33.9S") << dial(kH, -33.9, 0, 1000) << std::sin(33.9 * kRad) << true << 1.0;
        QTest::newRow("south wall 51.5N") << dial(kV, 51.5, 180, 1000) << std::cos(51.5 * kRad) << true << 1.0;
        QTest::newRow("north wall 35S") << dial(kV, -35, 0, 1000) << std::cos(35 * kRad) << true << -1.0;
        QTest::newRow("wall facing 200 at 40.655N")
            << dial(kV, 40.655, 200, 1000) << std::cos(40.655 * kRad) * std::cos(20 * kRad) << false << 1.0;
    }
    void hourLines()
    {
        QFETCH(DialInput, in);
        QFETCH(double, k);
        QFETCH(bool, direct);
        QFETCH(double, afternoonSide);
        in.stepMinutes = 30;
        const DialLayout layout = layoutDial(in);
        CHECK_NEAR(std::sin(layout.styleHeight * kRad), k, 1e-12);
        CHECK_NEAR(std::atan2(layout.gnomon->height, layout.gnomon->base), layout.styleHeight * kRad, 1e-12);
        const PlatePoint sub = along(*layout.substyle);
        int cast = 0;
        for (const HourLine &line : layout.hourLines) {
            const double h = 15 * (line.hour - 12) * kRad;
            const PlatePoint d = along(line.line);
            const double angle = std::atan2(std::fabs(cross(sub, d)), sub.x * d.x + sub.y * d.y);
            if (direct)
                CHECK_NEAR(angle, std::atan2(k * std::fabs(std::sin(h)), std::cos(h)), 1e-9);
            QVERIFY(line.hour == 12 || d.x * afternoonSide * h > 0);
            for (double declination : {-20.0, 0.0, 20.0}) {
                const auto p = castShadow(in, 15 * (line.hour - 12), declination);
                if (!p || !in.plate.contains(*p))
                    continue;
                const PlatePoint r{p->x - line.line.from.x, p->y - line.line.from.y};
                CHECK_NEAR(cross(d, r) / std::hypot(d.x, d.y), 0.0, 1e-9);
                QVERIFY(r.x * d.x + r.y * d.y >= 0 && std::hypot(r.x, r.y) <= std::hypot(d.x, d.y));
                ++cast;
            }
        }
        QVERIFY(cast >= 40);
    }

    // At 40N sunrise is at cos H = -tan(40) tan(23.44), 4:35 solar time, and the sun crosses the prime vertical
    // at cos H = tan(23.44) / tan(40), 8:04.
    void litHours_data()
    {
        QTest::addColumn<DialInput>("in");
        QTest::addColumn<QString>("labels");
        DialInput zone = dial(kH, 40, 0, 5000);
        zone.time = DialTime::Zone;
        zone.longitude = -7.5; // the shadow half an hour late
        DialInput halves = dial(kV, 40, 180, 5000);
        halves.stepMinutes = 30;
        QTest::newRow("horizontal") << dial(kH, 40, 0, 5000) << "5 6 7 8 9 10 11 12 13 14 15 16 17 18 19";
        QTest::newRow("horizontal, zone time 7.5 deg west") << zone << "6 7 8 9 10 11 12 13 14 15 16 17 18 19";
        QTest::newRow("south wall, half hours: not 6, lit only edge-on")
            << halves
            << "6:30 7 7:30 8 8:30 9 9:30 10 10:30 11 11:30 12 12:30 13 13:30 14 14:30 15 15:30 16 16:30 "
               "17 17:30";
        QTest::newRow("north wall: summer mornings and evenings") << dial(kV, 40, 0, 5000) << "5 6 7 8 16 17 18 19";
        QTest::newRow("east wall: mornings") << dial(kV, 40, 90, 5000) << "5 6 7 8 9 10 11";
    }
    void litHours()
    {
        QFETCH(DialInput, in);
        QFETCH(QString, labels);
        QStringList got;
        for (const HourLine &line : layoutDial(in).hourLines)
            got << QString::fromStdString(line.label);
        QCOMPARE(got.join(' '), labels);
    }

    // East dial: no root, lines parallel to the style at h tan(15 deg x (hour - 6)) from the foot.
    void eastWall()
    {
        const DialLayout layout = layoutDial(dial(kV, 40, 90, 1000));
        QVERIFY(!layout.root && !layout.gnomon && layout.styleHeight < 1e-9);
        const PlatePoint sub = along(*layout.substyle);
        const double unit = std::hypot(sub.x, sub.y);
        QCOMPARE(layout.hourLines.size(), size_t(7));
        for (const HourLine &line : layout.hourLines) {
            CHECK_NEAR(cross(along(line.line), sub) / unit, 0.0, 1e-9 * unit);
            CHECK_NEAR(std::fabs(cross(line.line.from, sub)) / unit,
                       50 * std::fabs(std::tan(15 * (line.hour - 6) * kRad)), 1e-9);
        }
    }

    void plateAround_data()
    {
        QTest::addColumn<DialInput>("in");
        QTest::addColumn<QRectF>("expected"); // x min, y min, width, height
        QTest::newRow("south wall 40N: foot 50 from the top") << dial(kV, 40, 180) << QRectF(-150, -250, 300, 300);
        QTest::newRow("north wall 40N: shadows below too") << dial(kV, 40, 0) << QRectF(-150, -250, 300, 300);
        // Foot 50 from the north would leave out the 5 and 19 h lines, which
        // run north of the root 71 mm north of the foot: slid 50 mm north.
        QTest::newRow("horizontal 35S: slid north for the early and late hours")
            << dial(kH, -35, 0) << QRectF(-150, -200, 300, 300);
        // Centred, the 7 and 17 h lines (50 tan 75° = 187 mm out) are both
        // off; slid 50 mm, one of them is on.
        QTest::newRow("horizontal on the equator: slid for one more hour")
            << dial(kH, 0, 0) << QRectF(-100, -150, 300, 300);
    }
    void plateAround()
    {
        QFETCH(DialInput, in);
        QFETCH(QRectF, expected);
        QCOMPARE(QRectF(in.plate.xMin, in.plate.yMin, in.plate.width(), in.plate.height()), expected);
    }

    // Date lines: every point on the plate, within 2 mm of the last and a shadow at that declination; a shadow
    // cast every half hour lies within half a step of a point of the line.
    void dateLines_data()
    {
        QTest::addColumn<DialInput>("in");
        QTest::addColumn<double>("declination");
        QTest::addColumn<int>("pieces");
        const double solstice = meanObliquity(2026);
        QTest::newRow("horizontal 40N, June solstice") << dial(kH, 40, 0) << solstice << 1;
        QTest::newRow("horizontal 35S, June solstice") << dial(kH, -35, 0) << solstice << 1;
        QTest::newRow("south wall 40N, December: ends on the horizon") << dial(kV, 40, 180) << -solstice << 1;
        QTest::newRow("wall facing 200 at 40.655N, June") << dial(kV, 40.655, 200) << solstice << 1;
        QTest::newRow("wall facing 200 at 40.655N, December") << dial(kV, 40.655, 200) << -solstice << 1;
        QTest::newRow("north wall 40N, June: morning and evening") << dial(kV, 40, 0) << solstice << 2;
        QTest::newRow("north wall 40N, equinox: never lit") << dial(kV, 40, 0) << 0.0 << 0;
        QTest::newRow("east wall 40N, December") << dial(kV, 40, 90) << -solstice << 1;
        QTest::newRow("horizontal 80N, summer: sun all day") << dial(kH, 80, 0) << 20.0 << 1;
    }
    void dateLines()
    {
        QFETCH(DialInput, in);
        QFETCH(double, declination);
        QFETCH(int, pieces);
        const std::vector<Polyline> lines = dateLine(in, declination);
        QCOMPARE(int(lines.size()), pieces);
        for (const Polyline &line : lines) {
            QVERIFY(line.size() >= 20);
            for (size_t i = 0; i < line.size(); ++i) {
                QVERIFY(in.plate.contains(line[i]));
                CHECK_NEAR(declinationAt(in, line[i]), declination, 1e-6);
                QVERIFY(in.type == kH || line[i].y <= 1e-9); // a sun above the horizon puts it below the nodus
                QVERIFY(i == 0 || std::hypot(line[i].x - line[i - 1].x, line[i].y - line[i - 1].y) <= 2);
            }
        }
        for (double hourAngle = -180; hourAngle < 180; hourAngle += 7.5) {
            const auto p = castShadow(in, hourAngle, declination);
            if (!p || !in.plate.contains(*p))
                continue;
            double nearest = 1e9;
            for (const Polyline &line : lines)
                for (const PlatePoint &q : line)
                    nearest = std::min(nearest, std::hypot(q.x - p->x, q.y - p->y));
            QVERIFY(nearest <= 1 + 1e-9);
        }
    }

    // At the equinox a horizontal dial's shadow runs straight across the plate at h tan(latitude) poleward.
    void equinoxLineHorizontal()
    {
        for (double latitude : {40.655, -33.9}) {
            const DialInput in = dial(kH, latitude, 0);
            const std::vector<Polyline> lines = dateLine(in, 0);
            QCOMPARE(lines.size(), size_t(1));
            for (const PlatePoint &p : lines.front())
                CHECK_NEAR(p.y, 50 * std::tan(latitude * kRad), 1e-9);
            CHECK_NEAR(lines.front().front().x, in.plate.xMin, 1e-9);
            CHECK_NEAR(lines.front().back().x, in.plate.xMax, 1e-9);
        }
    }

    // The card's table signs each day's add, rounded to the second, and its
    // curve climbs as the add grows: 337.1 s and -1490.6 s are the almanac's
    // 11 February and 8 November at 40.655 N, 72.855 W (tst_correction_card).
    void cardSigns_data()
    {
        QTest::addColumn<double>("add");
        QTest::addColumn<QString>("shown");
        QTest::newRow("clock ahead of the dial: add") << 337.1 << "+5:37";
        QTest::newRow("clock behind the dial: take off") << -1490.6 << "-24:51";
    }
    void cardSigns()
    {
        QFETCH(double, add);
        QFETCH(QString, shown);
        CardDrawing card;
        card.addSeconds = {0.9 * add, add};
        card.rows = {{"1 Jan", add}};
        const Group drawn = drawCard(card, {0, 0});
        const auto named = [&drawn](const char *name) -> const Group * {
            for (const Group &g : drawn.groups)
                if (g.name == name)
                    return &g;
            return nullptr;
        };
        const Group *table = named("card-table"), *graph = named("card-graph");
        QVERIFY(table && graph);
        QCOMPARE(QString::fromStdString(table->labels.at(1).text), shown);
        const std::vector<PlatePoint> &curve = graph->paths.at(0).points;
        QCOMPARE(curve.at(1).y > curve.at(0).y, add > 0);
    }

    // IAU 2006: 84381.406" at J2000, falling about 46.84" a century.
    void obliquity()
    {
        CHECK_NEAR(meanObliquity(2000) * 3600, 84381.406, 1e-6);
        CHECK_NEAR((meanObliquity(2100) - meanObliquity(2000)) * 3600, -46.84, 0.01);
    }
};

QTEST_APPLESS_MAIN(TestDial)
#include "tst_dial.moc"
