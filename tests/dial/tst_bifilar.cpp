// The bifilar dial: the shadows' crossing against cases worked by hand, its
// hour lines straight through the centre, and the x-wire's default.
#include "dial/bifilar.h"
#include "dial/hour_table.h"

#include <QtTest>

#include <cmath>
#include <numbers>

using namespace orvane::dial;

namespace {

double rad(double deg) { return deg * std::numbers::pi / 180; }

// The sun east-north-up from the hour angle (west positive) and the
// declination, on its own here.
Vec3 sun(double latitude, double hourDeg, double decDeg)
{
    const double p = rad(latitude), h = rad(hourDeg), d = rad(decDeg);
    return {-std::cos(d) * std::sin(h), std::cos(p) * std::sin(d) - std::sin(p) * std::cos(d) * std::cos(h),
            std::sin(p) * std::sin(d) + std::cos(p) * std::cos(d) * std::cos(h)};
}

DialInput face(double latitude, double facing, double tilt, double xWire, double yWire = 100)
{
    DialInput in;
    in.type = DialType::Bifilar;
    in.latitude = latitude;
    in.facing = facing;
    in.tilt = tilt;
    in.xWire = xWire;
    in.yWire = yWire;
    in = bifilarFaces(in).front().input;
    in.plate = bifilarPlate(in, 400, 400);
    return in;
}

} // namespace

class tst_bifilar : public QObject {
    Q_OBJECT
private slots:
    void crossing_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("tilt"); // facing south
        QTest::addColumn<double>("xWire");
        QTest::addColumn<double>("hour"); // hour angle, degrees west
        QTest::addColumn<double>("dec");
        QTest::addColumn<double>("x"); // worked by hand
        QTest::addColumn<double>("y");
        // Level, 50 N, 14 h at an equinox: s = (-0.5, -sin50 cos30, cos50 cos30)
        // = (-0.5, -0.663414, 0.556670); x = -100 (-0.5) / 0.556670,
        // y = -80 (-0.663414) / 0.556670.
        QTest::newRow("level, 50 N, 14 h, equinox") << 50.0 << 0.0 << 80.0 << 30.0 << 0.0 << 89.8198 << 95.3403;
        // South wall, 40 N, 9 h, declination +20: s = (0.664463, -0.165106,
        // 0.728855); out of the wall 0.165106, right is east, y up:
        // x = -100 (0.664463) / 0.165106, y = -70 (0.728855) / 0.165106.
        QTest::newRow("south wall, 40 N, 9 h, +20") << 40.0 << 90.0 << 70.0 << -45.0 << 20.0 << -402.4464 << -309.0125;
    }
    void crossing()
    {
        QFETCH(double, latitude);
        QFETCH(double, tilt);
        QFETCH(double, xWire);
        QFETCH(double, hour);
        QFETCH(double, dec);
        QFETCH(double, x);
        QFETCH(double, y);
        const PlatePoint p = bifilarCrossing(face(latitude, 180, tilt, xWire), sun(latitude, hour, dec));
        QVERIFY2(std::fabs(p.x - x) < 0.001, qPrintable(QString::number(p.x)));
        QVERIFY2(std::fabs(p.y - y) < 0.001, qPrintable(QString::number(p.y)));
    }

    // Each hour line is straight: the crossing for every declination it is
    // lit lies on the drawn line, within 1e-6 mm.
    void straightHourLines_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("facing");
        QTest::addColumn<double>("tilt");
        QTest::addColumn<double>("xWire");
        QTest::newRow("level, 50 N, wires 60 and 100") << 50.0 << 180.0 << 0.0 << 60.0;
        QTest::newRow("wall facing 200, 40.655 N") << 40.655 << 200.0 << 90.0 << 100.0;
        QTest::newRow("reclining 30, facing 150, 33.9 S") << -33.9 << 150.0 << 60.0 << 120.0;
        QTest::newRow("east wall, parallel lines") << 40.0 << 90.0 << 90.0 << 80.0;
    }
    void straightHourLines()
    {
        QFETCH(double, latitude);
        QFETCH(double, facing);
        QFETCH(double, tilt);
        QFETCH(double, xWire);
        const DialInput in = face(latitude, facing, tilt, xWire);
        const DialLayout layout = bifilarLayout(in);
        const FaceFrame f = faceFrame(in);
        QVERIFY(layout.hourLines.size() >= 4);
        int checked = 0;
        for (const HourLine &h : layout.hourLines) {
            const double dx = h.line.to.x - h.line.from.x, dy = h.line.to.y - h.line.from.y;
            for (double dec = -23; dec <= 23; dec += 2) {
                const Vec3 s = sunDirection(f, hourAngleOf(in, h.hour), rad(dec));
                if (s.u <= 0 || dot(s, f.normal) <= 0)
                    continue;
                const PlatePoint p = bifilarCrossing(in, s);
                const double off = ((p.x - h.line.from.x) * dy - (p.y - h.line.from.y) * dx) / std::hypot(dx, dy);
                QVERIFY2(std::fabs(off) < 1e-6,
                         qPrintable(QStringLiteral("%1 h, %2: %3 mm").arg(h.label.c_str()).arg(dec).arg(off)));
                ++checked;
            }
        }
        QVERIFY(checked > 40);
    }

    // The x-wire left out: where a height spaces the hours 15 degrees apart
    // it is taken (level: y-wire sin(latitude); south wall: y-wire
    // cos(latitude), from the crossing's lines through the centre), and the
    // lines are 15 degrees an hour within 0.01 degree; elsewhere the y-wire's.
    void defaultXWire_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("facing");
        QTest::addColumn<double>("tilt");
        QTest::addColumn<double>("xWire"); // mm, within 1e-6
        QTest::addColumn<bool>("even");
        QTest::newRow("level, 50 N: 100 sin 50") << 50.0 << 180.0 << 0.0 << 76.6044443 << true;
        QTest::newRow("south wall, 40.655 N: 100 cos 40.655") << 40.655 << 180.0 << 90.0 << 75.8646259 << true;
        QTest::newRow("north wall, 33.9 S: 100 cos 33.9") << -33.9 << 0.0 << 90.0 << 83.0012285 << true;
        QTest::newRow("wall facing 200: the y-wire's") << 40.655 << 200.0 << 90.0 << 100.0 << false;
    }
    void defaultXWire()
    {
        QFETCH(double, latitude);
        QFETCH(double, facing);
        QFETCH(double, tilt);
        QFETCH(double, xWire);
        QFETCH(bool, even);
        const DialInput in = face(latitude, facing, tilt, qQNaN());
        QVERIFY2(std::fabs(in.xWire - xWire) < 1e-6, qPrintable(QString::number(in.xWire, 'f', 7)));
        QCOMPARE(evenlySpaced(in), even);
        if (!even)
            return;
        const std::vector<HourLineRow> rows = hourLineRows(in, bifilarLayout(in));
        QVERIFY(rows.size() >= 5);
        // Afternoon on one side of noon throughout (east on a northern
        // face's plate, west on a north wall's in the south).
        const double side = rows.back().angleDeg > 0 ? 1 : -1;
        for (const HourLineRow &r : rows)
            QVERIFY2(std::fabs(side * r.angleDeg - 15 * (r.hour - 12)) < 0.01,
                     qPrintable(QStringLiteral("%1 h at %2").arg(r.label.c_str()).arg(r.angleDeg)));
    }
};

QTEST_APPLESS_MAIN(tst_bifilar)
#include "tst_bifilar.moc"
