// Faces at any orientation against the worked examples of Meeus,
// Astronomical Algorithms, 2nd ed., chapter 58 (pp. 404-405; D = F - 180,
// z = Z, stylus a = 1), and the polar and equatorial dials against their
// closed forms; and a dial found back from the angles its lines make.
#include "dial/dial_kinds.h"
#include "dial/face_frame.h"
#include "dial/find_dial.h"
#include "dial/lean.h"
#include "dial/moment_drawing.h"
#include "dial/old_hours.h"
#include "dial/plate.h"
#include "tests/support/near.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

using namespace orvane::dial;
Q_DECLARE_METATYPE(Vec3)

namespace {

constexpr double kRad = std::numbers::pi / 180;

DialInput plane(double latitude, double facing, double tilt, double side = 20)
{
    DialInput in;
    in.latitude = latitude;
    in.type = DialType::Plane;
    in.facing = facing;
    in.tilt = tilt;
    in.nodusHeight = 1;
    in.plate = {-side, -side, side, side};
    return in;
}

// The face the kind makes of `given`, its plate placed around it.
DialFace onlyFace(DialType type, const DialInput &given, int index = 0)
{
    DialFace face = dialKind(type).faces(given).at(std::size_t(index));
    face.input.plate = plateAround(face.input, 300, 300);
    return face;
}

// A level face or a wall facing `facing`, 300 mm square around its foot.
DialInput oldHoursFace(double latitude, double facing, double tilt)
{
    DialInput in = plane(latitude, facing, tilt);
    in.nodusHeight = 100;
    in.plate = plateAround(in, 300, 300);
    return in;
}

double distanceToSegment(PlatePoint p, PlatePoint a, PlatePoint b)
{
    const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
    const double t = l2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0;
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

double distanceToPieces(PlatePoint p, const std::vector<Polyline> &pieces)
{
    double best = INFINITY;
    for (const Polyline &piece : pieces)
        for (std::size_t i = 1; i < piece.size(); ++i)
            best = std::min(best, distanceToSegment(p, piece[i - 1], piece[i]));
    return best;
}

} // namespace

class TestDialPlanes : public QObject {
    Q_OBJECT
private slots:
    // The book's shadow points to its 4 decimals, its root (x0, y0) and its
    // style height psi to 0.0001 degrees.
    void meeus_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("facing");
        QTest::addColumn<double>("tilt");
        QTest::addColumn<double>("hour");
        QTest::addColumn<double>("declination");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("x0");
        QTest::addColumn<double>("y0");
        QTest::addColumn<double>("psi");
        QTest::newRow("58.a, 11 h") << 40.0 << 250.0 << 50.0 << 11.0 << -11.47 << -2.0007 << -1.1069 << 3.3880
                                    << -3.1102 << 12.2672;
        QTest::newRow("58.a, 14 h") << 40.0 << 250.0 << 50.0 << 14.0 << 23.44 << -0.0390 << -0.3615 << 3.3880 << -3.1102
                                    << 12.2672;
        QTest::newRow("58.b, 12 h") << -35.0 << 340.0 << 90.0 << 12.0 << 20.15 << 0.3640 << -0.7410 << 0.3640 << 0.7451
                                    << 50.3315;
        QTest::newRow("58.b, 15 h") << -35.0 << 340.0 << 90.0 << 15.0 << 0.0 << -0.8439 << -0.9298 << 0.3640 << 0.7451
                                    << 50.3315;
    }
    void meeus()
    {
        QFETCH(double, latitude);
        QFETCH(double, facing);
        QFETCH(double, tilt);
        QFETCH(double, hour);
        QFETCH(double, declination);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, x0);
        QFETCH(double, y0);
        QFETCH(double, psi);
        const DialInput in = plane(latitude, facing, tilt);
        const FaceFrame f = faceFrame(in);
        const PlatePoint p = shadowOf(f, sunDirection(f, (hour - 12) * 15 * kRad, declination * kRad));
        CHECK_NEAR(p.x, x, 5e-5);
        CHECK_NEAR(p.y, y, 5e-5);
        const DialLayout layout = layoutDial(in);
        QVERIFY(layout.root);
        CHECK_NEAR(layout.root->x, x0, 5e-5);
        CHECK_NEAR(layout.root->y, y0, 5e-5);
        CHECK_NEAR(layout.styleHeight, psi, 5e-5);
    }

    // 58.c: the hours the book finds lit (at its seven declinations) on a
    // face looking 20 degrees west of north, leaning back 15 degrees, at 40 N.
    void meeusHoursLit()
    {
        QList<double> hours;
        for (const HourLine &h : layoutDial(plane(40, 340, 75, 1e4)).hourLines)
            hours << h.hour;
        QCOMPARE(hours, (QList<double>{5, 6, 13, 14, 15, 16, 17, 18, 19}));
    }

    // A polar dial's lines run parallel to the noon line, h tan(15 n) from
    // it (n hours from noon); the face holds the Earth's axis.
    void polarSpacing_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::newRow("40.655 N") << 40.655;
        QTest::newRow("33.9 S") << -33.9;
        QTest::newRow("equator: the axis level, the face looking up") << 0.0;
    }
    void polarSpacing()
    {
        QFETCH(double, latitude);
        DialInput given = plane(latitude, std::nan(""), 0);
        given.type = DialType::Polar;
        given.nodusHeight = 50;
        const DialFace face = onlyFace(DialType::Polar, given);
        const DialLayout layout = layoutDial(face.input);
        QVERIFY(!layout.root);
        QVERIFY(layout.hourLines.size() >= 7);
        for (const HourLine &h : layout.hourLines) {
            // Distance of the line from the foot, signed towards +x.
            const PlatePoint a = h.line.from, b = h.line.to;
            const double length = std::hypot(b.x - a.x, b.y - a.y);
            const double offset = (a.x * (b.y - a.y) - a.y * (b.x - a.x)) / length;
            CHECK_NEAR(std::fabs(offset), 50 * std::fabs(std::tan((h.hour - 12) * 15 * kRad)), 1e-9);
        }
    }

    // Each old hour's line against the nodus's shadow worked out apart:
    // the sun from the hour angle by the altitude-azimuth formulas, the
    // shadow by the ray through the nodus meeting the face, on 400 days'
    // declinations between the solstices; within 0.05 mm.
    void oldHoursThroughShadows_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<double>("facing");
        QTest::addColumn<double>("tilt");
        for (const auto &[name, system] :
             {std::pair{"italian", HourSystem::Italian}, std::pair{"babylonian", HourSystem::Babylonian},
              std::pair{"unequal", HourSystem::Unequal}}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, level face").arg(name))) << int(system) << 180.0 << 0.0;
            QTest::newRow(qPrintable(QStringLiteral("%1, wall facing 200").arg(name))) << int(system) << 200.0 << 90.0;
        }
    }
    void oldHoursThroughShadows()
    {
        QFETCH(int, system);
        QFETCH(double, facing);
        QFETCH(double, tilt);
        const double latitude = 40.655, phi = latitude * kRad;
        const DialInput in = oldHoursFace(latitude, facing, tilt);
        const OldHours hours = oldHourLines(in, HourSystem(system), 23.44);
        const Vec3 n{std::sin(tilt * kRad) * std::sin(facing * kRad), std::sin(tilt * kRad) * std::cos(facing * kRad),
                     std::cos(tilt * kRad)};
        const Vec3 x{-std::cos(facing * kRad), std::sin(facing * kRad), 0};
        const Vec3 y{n.n * x.u - n.u * x.n, n.u * x.e - n.e * x.u, n.e * x.n - n.n * x.e};
        int checked = 0;
        for (int hour = 1; hour < (HourSystem(system) == HourSystem::Unequal ? 12 : 24); ++hour)
            for (int i = 0; i <= 400; ++i) {
                const double d = (-23.4 + 46.8 * i / 400) * kRad;
                const double h0 = std::acos(-std::tan(phi) * std::tan(d));
                const double h = HourSystem(system) == HourSystem::Babylonian ? -h0 + 15 * hour * kRad
                                 : HourSystem(system) == HourSystem::Italian  ? h0 + (15 * hour - 360) * kRad
                                                                              : -h0 + hour * h0 / 6;
                const Vec3 sun{-std::cos(d) * std::sin(h),
                               std::cos(phi) * std::sin(d) - std::sin(phi) * std::cos(d) * std::cos(h),
                               std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(h)};
                if (std::fabs(h) >= h0 || dot(sun, n) < 1e-3)
                    continue; // night, or the face unlit
                const double k = -in.nodusHeight / dot(sun, n);
                const PlatePoint p{k * dot(sun, x), k * dot(sun, y)};
                const PlateRect &plate = in.plate;
                if (p.x < plate.xMin + 0.05 || p.x > plate.xMax - 0.05 || p.y < plate.yMin + 0.05 ||
                    p.y > plate.yMax - 0.05)
                    continue;
                const auto line = std::find_if(hours.lines.begin(), hours.lines.end(),
                                               [hour](const OldHourLine &l) { return l.hour == hour; });
                QVERIFY2(line != hours.lines.end(), qPrintable(QStringLiteral("hour %1 has no line").arg(hour)));
                CHECK_NEAR(distanceToPieces(p, line->pieces), 0, 0.05);
                ++checked;
            }
        QVERIFY2(checked > 1000, qPrintable(QString::number(checked)));
        // Unequal lines are curves drawn in chords of at most 2 mm.
        if (HourSystem(system) != HourSystem::Unequal)
            return;
        for (const OldHourLine &line : hours.lines)
            for (const Polyline &piece : line.pieces)
                for (std::size_t i = 1; i < piece.size(); ++i)
                    QVERIFY(std::hypot(piece[i].x - piece[i - 1].x, piece[i].y - piece[i - 1].y) <= 2 + 1e-9);
    }

    // On the equinox the day is 12 equal hours long from 6 to 18: Babylonian
    // and unequal hour n meets the equal hour 6 + n on the equinox line,
    // Italian hour n the equal hour n - 6 (18 on the noon line). Where the
    // two lines cross lies on the equinox line, within 0.05 mm.
    void oldHoursOnTheEquinox_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<int>("hour");
        QTest::addColumn<double>("equal");
        QTest::addColumn<double>("facing");
        QTest::addColumn<double>("tilt");
        QTest::newRow("babylonian 3 at 9, level") << int(HourSystem::Babylonian) << 3 << 9.0 << 180.0 << 0.0;
        QTest::newRow("babylonian 8 at 14, wall 200") << int(HourSystem::Babylonian) << 8 << 14.0 << 200.0 << 90.0;
        QTest::newRow("italian 18 at noon, level") << int(HourSystem::Italian) << 18 << 12.0 << 180.0 << 0.0;
        QTest::newRow("italian 18 at noon, wall 200") << int(HourSystem::Italian) << 18 << 12.0 << 200.0 << 90.0;
        QTest::newRow("italian 21 at 15, wall 200") << int(HourSystem::Italian) << 21 << 15.0 << 200.0 << 90.0;
        QTest::newRow("unequal 4 at 10, level") << int(HourSystem::Unequal) << 4 << 10.0 << 180.0 << 0.0;
        QTest::newRow("unequal 9 at 15, wall 200") << int(HourSystem::Unequal) << 9 << 15.0 << 200.0 << 90.0;
    }
    void oldHoursOnTheEquinox()
    {
        QFETCH(int, system);
        QFETCH(int, hour);
        QFETCH(double, equal);
        QFETCH(double, facing);
        QFETCH(double, tilt);
        const DialInput in = oldHoursFace(40.655, facing, tilt);
        const DialLayout layout = layoutDial(in);
        const auto h = std::find_if(layout.hourLines.begin(), layout.hourLines.end(),
                                    [equal](const HourLine &l) { return l.hour == equal; });
        QVERIFY(h != layout.hourLines.end());
        const OldHours hours = oldHourLines(in, HourSystem(system), 23.44);
        const auto old = std::find_if(hours.lines.begin(), hours.lines.end(),
                                      [hour](const OldHourLine &l) { return l.hour == hour; });
        QVERIFY(old != hours.lines.end());
        // The equal line as a + t (b - a) crossing each chord of the old one.
        const PlatePoint a = h->line.from, b = h->line.to;
        std::optional<PlatePoint> crossing;
        for (const Polyline &piece : old->pieces)
            for (std::size_t i = 1; i < piece.size() && !crossing; ++i) {
                const PlatePoint p = piece[i - 1], q = piece[i];
                const double den = (b.x - a.x) * (q.y - p.y) - (b.y - a.y) * (q.x - p.x);
                const double t = ((p.x - a.x) * (q.y - p.y) - (p.y - a.y) * (q.x - p.x)) / den;
                const double u = ((p.x - a.x) * (b.y - a.y) - (p.y - a.y) * (b.x - a.x)) / den;
                if (den != 0 && u >= 0 && u <= 1)
                    crossing = PlatePoint{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
            }
        QVERIFY(crossing);
        CHECK_NEAR(distanceToPieces(*crossing, dateLine(in, 0)), 0, 0.05);
    }

    // A roof's gnomon whose root lies off the plate is cut at the plate's
    // edge: its base runs from there to the foot, its top edge keeps the
    // style height.
    void gnomonAsCut()
    {
        DialInput given = plane(40.655, 200, 35);
        given.nodusHeight = 100;
        const DialFace face = onlyFace(DialType::Plane, given);
        const DialLayout layout = layoutDial(face.input);
        QVERIFY(layout.root && layout.gnomon && layout.substyle);
        QVERIFY(!face.input.plate.contains(*layout.root));
        const Gnomon &g = *layout.gnomon;
        CHECK_NEAR(g.cutBase, std::hypot(layout.substyle->from.x, layout.substyle->from.y), 1e-9);
        CHECK_NEAR(std::atan2(g.height - g.cutEdge, g.cutBase) / kRad, layout.styleHeight, 1e-9);
        QVERIFY(g.cutEdge > 0 && g.cutBase < g.base);
    }

    // An equatorial dial's faces: lines from the foot 15 degrees apart, the
    // upper face lit while the sun is on the elevated pole's side.
    void equatorialSteps_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<int>("face");
        QTest::newRow("40.655 N, upper") << 40.655 << 0;
        QTest::newRow("40.655 N, lower") << 40.655 << 1;
        QTest::newRow("33.9 S, upper") << -33.9 << 0;
        QTest::newRow("33.9 S, lower") << -33.9 << 1;
    }
    void equatorialSteps()
    {
        QFETCH(double, latitude);
        QFETCH(int, face);
        DialInput given = plane(latitude, 0, 0);
        given.type = DialType::Equatorial;
        given.nodusHeight = 50;
        const DialFace f = onlyFace(DialType::Equatorial, given, face);
        QCOMPARE(f.name, std::string(face == 0 ? "upper" : "lower"));
        QVERIFY((f.input.tilt < 90) == (face == 0));
        const DialLayout layout = layoutDial(f.input);
        QVERIFY(layout.root && std::hypot(layout.root->x, layout.root->y) < 1e-9);
        CHECK_NEAR(layout.styleHeight, 90.0, 1e-9);
        QVERIFY(layout.hourLines.size() >= 8);
        // Its words say the half of the year in which the noon sun lights it.
        const FaceFrame frame = faceFrame(f.input);
        const bool northernSun = dot(sunDirection(frame, 0, 10 * kRad), frame.normal) > 0;
        QCOMPARE(f.lit.rfind("lit from the March", 0) == 0, northernSun);
        // Every face measures from its own noon line, + towards its own x.
        for (const HourLine &h : layout.hourLines) {
            const double hourAngle = (h.hour - 12) * 15;
            const double towardsX = -dot(equatorPoint(frame, hourAngle * kRad), frame.xAxis);
            CHECK_NEAR(hourLineAngle(f.input, layout, h), std::copysign(std::fabs(hourAngle), towardsX), 1e-9);
        }
        for (std::size_t i = 1; i < layout.hourLines.size(); ++i) {
            const PlateSegment a = layout.hourLines[i - 1].line, b = layout.hourLines[i].line;
            const double turn = std::atan2(b.to.y, b.to.x) - std::atan2(a.to.y, a.to.x);
            CHECK_NEAR(std::fabs(std::remainder(turn, 2 * std::numbers::pi)) / kRad, 15.0, 1e-9);
        }
    }

    // The kind alone sets its face's orientation: a facing or tilt it does
    // not take is overwritten, whatever the settings hold (here F 200, Z 35).
    // Level faces look up with x east; a wall facing 200 looks 20 degrees
    // west of south, x to the right of someone looking at it, towards 110
    // (sin and cos of 200 and 110 degrees, to 4 decimals).
    void kindSetsOrientation_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Vec3>("normal");
        QTest::addColumn<Vec3>("xAxis");
        QTest::newRow("horizontal") << int(DialType::Horizontal) << Vec3{0, 0, 1} << Vec3{1, 0, 0};
        QTest::newRow("analemmatic") << int(DialType::Analemmatic) << Vec3{0, 0, 1} << Vec3{1, 0, 0};
        QTest::newRow("vertical, upright")
            << int(DialType::Vertical) << Vec3{-0.3420, -0.9397, 0} << Vec3{0.9397, -0.3420, 0};
    }
    void kindSetsOrientation()
    {
        QFETCH(int, type);
        QFETCH(Vec3, normal);
        QFETCH(Vec3, xAxis);
        DialInput given = plane(40.655, 200, 35);
        given.type = DialType(type);
        const FaceFrame f = faceFrame(onlyFace(DialType(type), given).input);
        for (const auto &[got, want] : {std::pair{f.normal, normal}, std::pair{f.xAxis, xAxis}}) {
            CHECK_NEAR(got.e, want.e, 5e-5);
            CHECK_NEAR(got.n, want.n, 5e-5);
            CHECK_NEAR(got.u, want.u, 5e-5);
        }
    }

    // A south wall or a level face leaning about the east-west line turns
    // the sun's hour angle by sin(t) tan(declination) radians a radian: at
    // 9 and 15 h at a solstice 4 sin 45° tan 23.44° = 1.226 minutes a degree
    // (worked by hand), nothing at noon; the two solstices opposite.
    void leanAtTheSolstices_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("wall facing south") << int(DialType::Vertical);
        QTest::newRow("level face") << int(DialType::Horizontal);
    }
    void leanAtTheSolstices()
    {
        QFETCH(int, type);
        DialInput given = plane(51.5, 180, 90);
        given.type = DialType(type);
        const DialInput in = onlyFace(DialType(type), given).input;
        QVERIFY(leanMatters(in));
        // Leaning out turns the Earth's axis, seen from the face, towards
        // the noon sun: in June the afternoon reads later, the morning
        // earlier (dH/dt = sin H tan(declination), worked by hand).
        const double expected = 4 * std::sin(45 * kRad) * std::tan(kMaxDeclination * kRad);
        for (double hour : {9.0, 15.0}) {
            const double june = leanMinutesPerDegree(in, hour, kMaxDeclination).value();
            CHECK_NEAR(june, hour > 12 ? expected : -expected, 0.005);
            CHECK_NEAR(leanMinutesPerDegree(in, hour, -kMaxDeclination).value(), -june, 1e-6);
        }
        CHECK_NEAR(leanMinutesPerDegree(in, 12, kMaxDeclination).value(), 0.0, 1e-6);
        QVERIFY(!leanMatters(plane(51.5, 180, 60)));
    }

    // A dial laid out as --dial lays it, its lines' angles rounded as the
    // JSON prints them (0.001 degrees) and fed back, gives its latitude and
    // facing back to 0.01 degrees (the rounding moves them by up to 0.003).
    // A level face's lines cannot tell the hemispheres apart: both are listed,
    // north first.
    void foundFromItsLines_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("facing");
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<double>>("latitudes"); // listed, in order
        const int level = int(DialType::Horizontal), wall = int(DialType::Vertical);
        QTest::newRow("level, 40.655 N and its mirror") << level << 40.655 << 180.0 << 60 << QList{40.655, -40.655};
        QTest::newRow("level, 33.87 S, half hours") << level << -33.87 << 180.0 << 30 << QList{33.87, -33.87};
        QTest::newRow("level, 62 N") << level << 62.0 << 180.0 << 60 << QList{62.0, -62.0};
        QTest::newRow("wall 180, 51.5 N") << wall << 51.5 << 180.0 << 60 << QList{51.5};
        QTest::newRow("wall 160, 40.655 N") << wall << 40.655 << 160.0 << 60 << QList{40.655};
        QTest::newRow("wall 200, 40.655 N, quarter hours") << wall << 40.655 << 200.0 << 15 << QList{40.655};
        QTest::newRow("wall 200, 10 N") << wall << 10.0 << 200.0 << 60 << QList{10.0};
        QTest::newRow("wall 100, 51.5 N") << wall << 51.5 << 100.0 << 60 << QList{51.5};
        QTest::newRow("wall 20, 33.87 S") << wall << -33.87 << 20.0 << 60 << QList{-33.87};
    }
    void foundFromItsLines()
    {
        QFETCH(int, type);
        QFETCH(double, latitude);
        QFETCH(double, facing);
        QFETCH(int, step);
        QFETCH(QList<double>, latitudes);
        const DialKind &kind = dialKind(DialType(type));
        DialInput given = plane(latitude, facing, 0);
        given.type = kind.type;
        given.stepMinutes = step;
        const DialFace face = onlyFace(DialType(type), given);
        std::vector<MeasuredLine> lines;
        for (const HourLineRow &row : hourLineRows(face.input, layoutDial(face.input)))
            if (std::fabs(row.angleDeg) < 90) // the command line takes no others
                lines.push_back({row.hour, std::round(row.angleDeg * 1000) / 1000});
        const DialSearch search = findDial(kind, lines);
        QCOMPARE(search.found.size(), std::size_t(latitudes.size()));
        for (std::size_t i = 0; i < search.found.size(); ++i) {
            const FoundDial &d = search.found[i];
            CHECK_NEAR(d.latitude, latitudes[qsizetype(i)], 0.01);
            QCOMPARE(d.facing.has_value(), kind.takes(DialSetting::Facing));
            if (d.facing)
                CHECK_NEAR(d.facing.value(), facing, 0.01);
            QVERIFY(d.rmsDeg < 0.001);
        }
    }

    // The reading is the hour whose line has the sun's hour angle: H = 15
    // degrees an hour from noon in sun time; a zone dial's 12 line lies where
    // the sun stands at the zone meridian's mean noon, 2.145 degrees west of
    // the local meridian at 72.855 W on 75 W, so it reads 2.145 / 15 h less.
    // The nodus's spot is where the ray past the nodus meets the face.
    void momentReading_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("facing");
        QTest::addColumn<bool>("zoneTime");
        QTest::addColumn<double>("hourAngleDeg");
        QTest::addColumn<double>("declinationDeg");
        QTest::addColumn<double>("want"); // hours; NaN: the face reads nothing
        const double unlit = std::nan("");
        QTest::newRow("level, sun time, 10 h, summer") << 0 << 180.0 << false << -30.0 << 20.0 << 10.0;
        QTest::newRow("level, sun time, 15 h, winter") << 0 << 180.0 << false << 45.0 << -20.0 << 15.0;
        QTest::newRow("level, zone time, 10 h sun") << 0 << 180.0 << true << -30.0 << 20.0 << 10 - 2.145 / 15;
        QTest::newRow("level, sun under the horizon at 22 h") << 0 << 180.0 << false << 150.0 << -20.0 << unlit;
        QTest::newRow("wall facing 200, sun time, 13 h") << 1 << 200.0 << false << 15.0 << 0.0 << 13.0;
        QTest::newRow("wall facing 200, zone time, 15:30 sun")
            << 1 << 200.0 << true << 52.5 << 10.0 << 15.5 - 2.145 / 15;
        QTest::newRow("wall facing 200, summer sun behind it at 7 h") << 1 << 200.0 << false << -75.0 << 20.0 << unlit;
    }
    void momentReading()
    {
        QFETCH(int, type);
        QFETCH(double, facing);
        QFETCH(bool, zoneTime);
        QFETCH(double, hourAngleDeg);
        QFETCH(double, declinationDeg);
        QFETCH(double, want);
        DialInput given = plane(40.655, facing, 90);
        given.longitude = -72.855;
        given.zoneMeridian = -75;
        given.time = zoneTime ? DialTime::Zone : DialTime::Sun;
        given.nodusHeight = 50;
        const DialKind &kind = dialKind(type == 0 ? DialType::Horizontal : DialType::Vertical);
        const DialFace face = onlyFace(kind.type, given);
        const FaceFrame f = faceFrame(face.input);
        const Vec3 sun = sunDirection(f, hourAngleDeg * kRad, declinationDeg * kRad);
        const std::optional<double> reads = kind.reads(face, sun);
        const Drawing drawn = kind.moment(face, sun);
        QCOMPARE(reads.has_value(), !std::isnan(want));
        QCOMPARE(drawn.groups.empty(), std::isnan(want));
        if (!reads)
            return;
        CHECK_NEAR(*reads, want, 1e-6);
        const PlatePoint spot = shadowOf(f, sun);
        QVERIFY(face.input.plate.contains(spot));
        for (const Group &g : drawn.groups) {
            // The spot, and the style's shadow ending on it.
            const PlatePoint at = g.name == "moment-spot" ? g.circles.at(0).centre : g.paths.at(0).points.back();
            CHECK_NEAR(std::hypot(at.x - spot.x, at.y - spot.y), 0, 1e-9);
        }
    }

    // The person's shadow, from where they stand on the date scale, points
    // at the ellipse's mark of the sun's hour angle (M sin H, M sin(latitude)
    // cos H): the dial's working principle, whatever the day.
    void personPointsAtTheHour()
    {
        DialInput given;
        given.latitude = 40.655;
        given.halfWidth = 2;
        const DialKind &kind = dialKind(DialType::Analemmatic);
        DialFace face = kind.faces(given).front();
        face.layout = kind.layout(face.input);
        face.input.plate = kind.plate(face.input, 0, 0);
        const double phi = 40.655 * kRad;
        for (const auto &[h, d] : {std::pair{-45.0, 20.0}, std::pair{30.0, -15.0}}) {
            const Vec3 sun = sunDirection(faceFrame(face.input), h * kRad, d * kRad);
            const Drawing drawn = kind.moment(face, sun);
            QCOMPARE(drawn.groups.size(), std::size_t(2));
            const std::vector<PlatePoint> &line = drawn.groups.at(0).paths.at(0).points;
            const PlatePoint mark{2000 * std::sin(h * kRad), 2000 * std::sin(phi) * std::cos(h * kRad)};
            const double ax = line[1].x - line[0].x, ay = line[1].y - line[0].y;
            const double bx = mark.x - line[0].x, by = mark.y - line[0].y;
            CHECK_NEAR((ax * by - ay * bx) / (std::hypot(ax, ay) * std::hypot(bx, by)), 0, 1e-9);
            QVERIFY(ax * bx + ay * by > 0);
        }
    }

    // The finder's angles against the closed forms of the level dial,
    // tan a = sin(latitude) tan H, and of the wall facing the equator,
    // tan a = cos(latitude) tan H (H = 15 degrees an hour from noon).
    void lineAngleClosedForms()
    {
        const DialKind &level = dialKind(DialType::Horizontal), &wall = dialKind(DialType::Vertical);
        for (double hour : {8.5, 15.0}) {
            const double t = std::tan((hour - 12) * 15 * kRad);
            CHECK_NEAR(lineAngleOn(level, 40.655, 0, hour), std::atan(std::sin(40.655 * kRad) * t) / kRad, 1e-9);
            CHECK_NEAR(lineAngleOn(level, -33.87, 0, hour), std::atan(std::sin(33.87 * kRad) * t) / kRad, 1e-9);
            CHECK_NEAR(lineAngleOn(wall, 51.5, 180, hour), std::atan(std::cos(51.5 * kRad) * t) / kRad, 1e-9);
        }
    }
};

QTEST_APPLESS_MAIN(TestDialPlanes)
#include "tst_dial_planes.moc"
