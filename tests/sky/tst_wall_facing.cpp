// A wall's facing from shadow readings.
#include "sky/wall_facing.h"
#include "support/near.h"

#include <QTest>

using namespace orvane::sky;

class TestWallFacing : public QObject {
    Q_OBJECT
private slots:
    // Readings taken when the sun stands at a chosen azimuth: the facing is
    // the azimuth minus the angle, worked by hand in the header.
    void facingAndDeclination_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QList<double>>("readings"); // sun azimuth, angle
        QTest::addColumn<double>("facing");
        QTest::addColumn<double>("declination");
        QTest::addColumn<int>("side");
        QTest::addColumn<double>("firstResidual");
        QTest::addColumn<bool>("warning");
        const int east = int(DeclinationSide::East), west = int(DeclinationSide::West);
        QTest::newRow("north_sun_150_angle_plus_20")
            << 40.655 << -72.855 << QList<double>{150, 20} << 130.0 << 50.0 << east << 0.0 << false;
        QTest::newRow("north_sun_210_angle_minus_20")
            << 40.655 << -72.855 << QList<double>{210, -20} << 230.0 << 50.0 << west << 0.0 << false;
        QTest::newRow("south_sun_30_angle_minus_10")
            << -33.87 << 151.21 << QList<double>{30, -10} << 40.0 << 40.0 << east << 0.0 << false;
        QTest::newRow("two_readings_agree")
            << 40.655 << -72.855 << QList<double>{120, -10, 200, 70} << 130.0 << 50.0 << east << 0.0 << false;
        // Facings 130 and 132.5: 1.25 from their mean.
        QTest::newRow("two_readings_apart_warn")
            << 40.655 << -72.855 << QList<double>{120, -10, 200, 67.5} << 131.25 << 48.75 << east << -1.25 << true;
        // A north wall read at dawn and at dusk: facings 359 and 3, whose
        // mean is 1, not the 181 of their plain average.
        QTest::newRow("north_wall_readings_either_side_of_north")
            << 40.655 << -72.855 << QList<double>{60, 61, 300, -63} << 1.0 << 179.0 << east << -2.0 << true;
    }
    void facingAndDeclination()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QList<double>, readings);
        QFETCH(double, facing);
        QFETCH(double, declination);
        QFETCH(int, side);
        QFETCH(double, firstResidual);
        QFETCH(bool, warning);
        const Site site{latitude, longitude};
        Sun sun(site);
        std::vector<WallReading> list;
        for (qsizetype i = 0; i < readings.size(); i += 2) {
            const auto at = sun.bearingCrossings(readings[i], 1813550400.0); // 21 June 2027 from 04:00 UTC
            QVERIFY(!at.empty());
            list.push_back({at.front().utcSeconds, readings[i + 1]});
        }
        const WallFacingResult r = wallFacing(list, site);
        QVERIFY(r.errors.empty() && r.facing);
        // The crossings put the sun within 1e-7 degree of the bearing.
        CHECK_NEAR(r.facing->facingDeg, facing, 1e-6);
        CHECK_NEAR(r.facing->declinationDeg, declination, 1e-6);
        QCOMPARE(int(r.facing->side), side);
        QCOMPARE(r.facing->spreadWarning, warning);
        CHECK_NEAR(r.facing->readings.front().residualDeg, firstResidual, 1e-6);
    }

    void refusedReadings()
    {
        const Site site{40.655, -72.855};
        const double noon = 1813597200.0, midnight = 1813555800.0; // 2027-06-21 12:00 and 00:30 UTC-4
        const WallFacingResult r = wallFacing({{noon, 95}, {midnight, 0}, {noon, -90}, {noon, 89.9}}, site);
        QVERIFY(!r.facing);
        QCOMPARE(r.errors.size(), size_t(3));
        QCOMPARE(r.errors[0].index, 0);
        QCOMPARE(r.errors[0].problem, WallReadingProblem::AngleOutOfRange);
        QCOMPARE(r.errors[1].index, 1);
        QCOMPARE(r.errors[1].problem, WallReadingProblem::SunBelowHorizon);
        QCOMPARE(r.errors[2].index, 2);
        QVERIFY(!wallFacing({}, site).facing);
    }
};

QTEST_APPLESS_MAIN(TestWallFacing)
#include "tst_wall_facing.moc"
