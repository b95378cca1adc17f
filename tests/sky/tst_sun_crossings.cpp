// The instants of a given bearing or altitude in a civil day.
#include "sky/sun.h"
#include "support/near.h"

#include <QTest>

using namespace orvane::sky;

namespace {

enum Kind { Bearing, Altitude };

} // namespace

class TestSunCrossings : public QObject {
    Q_OBJECT
private slots:
    void matchesAstronomyEngine_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("dayStart");
        QTest::addColumn<double>("value");
        QTest::addColumn<QList<double>>("want"); // per instant: UTC s, the other coordinate, rising
        // astronomy-engine 2.1.19: node bench/accuracy/crossing_values.mjs
        QTest::newRow("long_island_bearing_190")
            << int(Bearing) << 40.655 << -72.855 << 1813550400.0 << 190.0 << QList<double>{1813597574.119, 72.5661, 0};
        QTest::newRow("long_island_bearing_225")
            << int(Bearing) << 40.655 << -72.855 << 1813550400.0 << 225.0 << QList<double>{1813600895.851, 67.5855, 0};
        QTest::newRow("long_island_altitude_30")
            << int(Altitude) << 40.655 << -72.855 << 1813550400.0 << 30.0
            << QList<double>{1813580050.994, 83.7106, 1, 1813613536.704, 276.2890, 0};
        // The sun culminates north of the zenith; its azimuth climbs to 68.7
        // after rising at 66.2, then falls back through north.
        QTest::newRow("tropic_bearing_twice_in_a_morning")
            << int(Bearing) << 10.0 << 0.0 << 1813536000.0 << 67.5
            << QList<double>{1813558818.162, 8.1765, 0, 1813567506.102, 41.2950, 0};
        // Reached at dawn below the horizon; 225, across the same vertical
        // plane, in the afternoon.
        QTest::newRow("long_island_bearing_45_below_horizon")
            << int(Bearing) << 40.655 << -72.855 << 1813550400.0 << 45.0 << QList<double>{};
        QTest::newRow("sydney_bearing_359_9")
            << int(Bearing) << -33.87 << 151.21 << 1813500000.0 << 359.9 << QList<double>{1813543032.212, 32.6915, 0};
        QTest::newRow("tromso_bearing_0_midnight_sun")
            << int(Bearing) << 69.65 << 18.96 << 1813528800.0 << 0.0 << QList<double>{1813531548.472, 3.0835, 0};
        QTest::newRow("tromso_altitude_never_reached")
            << int(Altitude) << 69.65 << 18.96 << 1813528800.0 << 50.0 << QList<double>{};
        QTest::newRow("quito_altitude_below_horizon")
            << int(Altitude) << -0.18 << -78.47 << 1805518800.0 << -0.5
            << QList<double>{1805541565.484, 90.1511, 1, 1805584995.436, 270.0475, 0};
        // Either side of sunrise: a degree above the horizon, and 0.38 below.
        QTest::newRow("long_island_bearing_59_4_one_degree_up")
            << int(Bearing) << 40.655 << -72.855 << 1813550400.0 << 59.4 << QList<double>{1813570322.021, 1.0198, 0};
        QTest::newRow("long_island_bearing_58_just_below")
            << int(Bearing) << 40.655 << -72.855 << 1813550400.0 << 58.0 << QList<double>{};
    }
    void matchesAstronomyEngine()
    {
        QFETCH(int, kind);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, dayStart);
        QFETCH(double, value);
        QFETCH(QList<double>, want);
        // The two ephemerides agree to 0.0005 degree; the sun moves that far
        // in azimuth or altitude in 0.1-0.2 s at these rows' rates.
        const double tolerance = 0.5;
        // What the sun's motion in that time, and the 0.0005, make of the
        // other coordinate.
        const double otherTolerance = 0.01;
        Sun sun(Site{latitude, longitude});
        QList<double> got;
        if (kind == Bearing) {
            for (const SunEvent &e : sun.bearingCrossings(value, dayStart)) {
                QCOMPARE(e.azimuthDeg, value);
                got << e.utcSeconds << e.altitudeDeg << 0;
            }
        } else {
            for (const AltitudeEvent &e : sun.altitudeCrossings(value, dayStart)) {
                QCOMPARE(e.altitudeDeg, value);
                got << e.utcSeconds << e.azimuthDeg << double(e.rising);
            }
        }
        QCOMPARE(got.size(), want.size());
        for (qsizetype i = 0; i < got.size(); i += 3) {
            CHECK_NEAR(got[i], want[i], tolerance);
            CHECK_NEAR(got[i + 1], want[i + 1], otherTolerance);
            QCOMPARE(got[i + 2], want[i + 2]);
        }
    }
};

QTEST_APPLESS_MAIN(TestSunCrossings)
#include "tst_sun_crossings.moc"
