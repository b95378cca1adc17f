// Crossing times and decisions.
#include "angles/angles.h"
#include "calc/crossings.h"
#include "calc/date_value.h"
#include "calc/solar_position.h"

#include "support/near.h"

#include <QTest>

#include <cmath>

using namespace orvane;

namespace {

SolarState site(double lat, double lon, double zone, int y, int m, int d)
{
    SolarState s;
    initConstants(s);
    s.latitude = lat;
    s.longitude = lon;
    s.zoneMeridian = zone;
    s.inputDate = dateSerial(y, m, d);
    return s;
}

constexpr double kSecond = 1.0 / 86400;
} // namespace

class TestCrossings : public QObject {
    Q_OBJECT
private slots:
    // Worked example: 40.655 N, 72.855 W, zone -75, daylight saving,
    // 21 June 2024; values to six significant digits.
    void workedSummerExample()
    {
        SolarState s = site(40.655, -72.855, -75, 2024, 6, 21);
        const Crossings c = computeCrossings(s, true);

        QVERIFY(c.east.seen);
        CHECK_NEAR(c.east.firstRatio, 0.504745, 0.5e-6);
        CHECK_NEAR(c.east.firstHourAngle, 0.165793, 0.5e-6);
        CHECK_NEAR(c.east.declination, 0.409008, 0.5e-6);
        CHECK_NEAR(c.east.equationOfTime, -1.92680, 0.5e-5);
        CHECK_NEAR(c.east.ratio, 0.504736, 0.5e-6);
        CHECK_NEAR(c.east.altitudeSine, 0.610440, 0.5e-6);
        CHECK_NEAR(c.east.hourAngle, 0.165795, 0.5e-6);
        CHECK_NEAR(c.east.clock, 0.371252, 0.5e-6);
        CHECK_NEAR(c.east.clock, (8 * 3600 + 54 * 60 + 36.1) * kSecond, 0.05 * kSecond);
        CHECK_NEAR(s.eventTime[kSlotEast], 0.5 - c.east.firstHourAngle, 1e-15);

        QVERIFY(c.meridian.seen);
        QCOMPARE(c.direction, MeridianDirection::South);
        CHECK_NEAR(c.meridian.declination, 0.408994, 0.5e-6);
        CHECK_NEAR(c.meridian.declination * angles::kRadToDeg, 23.4336, 0.5e-4);
        CHECK_NEAR(c.meridian.equationOfTime, -1.96283, 0.5e-5);
        CHECK_NEAR(c.meridian.clock, 0.537071, 0.5e-6);
        CHECK_NEAR(c.meridian.clock, (12 * 3600 + 53 * 60 + 23.0) * kSecond, 0.05 * kSecond);
        QCOMPARE(s.eventTime[kSlotMeridian], 0.5);

        QVERIFY(c.west.seen);
        CHECK_NEAR(c.west.firstHourAngle, 0.165806, 0.5e-6);
        CHECK_NEAR(c.west.declination, 0.408976, 0.5e-6);
        CHECK_NEAR(c.west.equationOfTime, -1.99885, 0.5e-5);
        CHECK_NEAR(c.west.hourAngle, 0.165803, 0.5e-6);
        CHECK_NEAR(c.west.clock, 0.702899, 0.5e-6);
        CHECK_NEAR(c.west.clock, (16 * 3600 + 52 * 60 + 10.5) * kSecond, 0.05 * kSecond);
    }

    // Worked example: the same site on 21 December 2024, standard time.
    // The first tests pass; the refined altitude is negative.
    void workedWinterExample()
    {
        SolarState s = site(40.655, -72.855, -75, 2024, 12, 21);
        const Crossings c = computeCrossings(s, false);
        QVERIFY(!c.east.seen);
        QVERIFY(!c.west.seen);
        CHECK_NEAR(c.east.firstRatio, -0.504768, 0.5e-6);
        CHECK_NEAR(c.west.firstRatio, -0.504737, 0.5e-6);
        CHECK_NEAR(c.east.firstHourAngle, 0.334211, 0.5e-6);
        CHECK_NEAR(c.west.firstHourAngle, 0.334205, 0.5e-6);
        // One rounded figure is given for both: -0.6105, taken as +-1e-4.
        CHECK_NEAR(c.east.altitudeSine, -0.6105, 1e-4);
        CHECK_NEAR(c.west.altitudeSine, -0.6105, 1e-4);
        QCOMPARE(c.direction, MeridianDirection::South);
        CHECK_NEAR(c.meridian.declination * angles::kRadToDeg, -23.4353, 0.5e-4);
        CHECK_NEAR(c.meridian.clock, 0.492940, 0.5e-6);
        CHECK_NEAR(c.meridian.clock, (11 * 3600 + 49 * 60 + 50.0) * kSecond, 0.05 * kSecond);
    }

    // Decisions over characteristic sites. Expected outcomes follow from
    // R = tan(delta)/tan(phi) and the sign of the altitude (astronomy of
    // the sun's daily circle).
    void decisions_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<double>("zone");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("east");
        QTest::addColumn<bool>("west");
        QTest::addColumn<bool>("north");
        QTest::newRow("northern summer: both seen, south")
            << 40.655 << -72.855 << -75.0 << 6 << 21 << true << true << false;
        QTest::newRow("northern winter: neither, south")
            << 40.655 << -72.855 << -75.0 << 12 << 21 << false << false << false;
        QTest::newRow("southern summer: both seen, north")
            << -33.9 << 151.2 << 150.0 << 12 << 21 << true << true << true;
        QTest::newRow("southern winter: neither, north")
            << -33.9 << 151.2 << 150.0 << 6 << 21 << false << false << true;
        QTest::newRow("equator, June: neither, north") << 0.0 << 0.0 << 0.0 << 6 << 21 << false << false << true;
        QTest::newRow("equator, December: neither, south") << 0.0 << 0.0 << 0.0 << 12 << 21 << false << false << false;
        QTest::newRow("tropic, |delta| > |phi| same sign: neither, north")
            << 10.0 << 0.0 << 0.0 << 6 << 21 << false << false << true;
        QTest::newRow("south tropic in its summer: neither, south")
            << -10.0 << 0.0 << 0.0 << 12 << 21 << false << false << false;
        QTest::newRow("north pole in summer: both seen, south")
            << 90.0 << 0.0 << 0.0 << 6 << 21 << true << true << false;
        QTest::newRow("south pole in its summer: both seen, north")
            << -90.0 << 0.0 << 0.0 << 12 << 21 << true << true << true;
    }
    void decisions()
    {
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(double, zone);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(bool, east);
        QFETCH(bool, west);
        QFETCH(bool, north);
        SolarState s = site(lat, lon, zone, 2024, month, day);
        const Crossings c = computeCrossings(s, false);
        QCOMPARE(c.east.seen, east);
        QCOMPARE(c.west.seen, west);
        QCOMPARE(c.direction == MeridianDirection::North, north);
        QVERIFY(c.meridian.seen);
        for (const SolarEvent *e : {&c.east, &c.meridian, &c.west}) {
            QVERIFY(std::isfinite(e->clock) && e->clock >= 0 && e->clock < 1);
            QVERIFY(std::isfinite(e->declination) && std::isfinite(e->equationOfTime));
        }
        if (east && west) // symmetric about the meridian within a minute
            CHECK_NEAR(c.east.clock + c.west.clock, 2 * c.meridian.clock, 60 * kSecond);
    }

    // A latitude equal to the meridian declination in degrees reads north.
    void latitudeEqualToDeclinationIsNorth()
    {
        SolarState s = site(0, -72.855, -75, 2024, 6, 21);
        solarPosition(s, kSlotMeridian, false);
        s.latitude = angles::degrees(s.eventSun[0][kSlotMeridian]);
        QCOMPARE(computeCrossings(s, false).direction, MeridianDirection::North);
        s.latitude = std::nextafter(s.latitude, 90.0);
        QCOMPARE(computeCrossings(s, false).direction, MeridianDirection::South);
    }

    // |R| exactly 1 counts as a crossing with an hour angle of 0. The
    // latitude where the refined R is exactly 1 is searched for: bisection
    // on R - 1, then the doubles next to the root.
    void ratioExactlyOne()
    {
        SolarState s = site(0, -72.855, -75, 2024, 6, 1);
        solarPosition(s, kSlotMeridian, false);
        const double delta = s.eventSun[0][kSlotMeridian] * angles::kRadToDeg;
        auto eastAt = [&](double lat) {
            s.latitude = lat;
            return computeCrossings(s, false);
        };
        double lo = delta - 0.01, hi = delta + 0.01; // R > 1 at lo, < 1 at hi
        QVERIFY(eastAt(lo).east.ratio > 1 && eastAt(hi).east.ratio < 1);
        for (int i = 0; i < 200 && std::nextafter(lo, hi) < hi; ++i) {
            const double mid = 0.5 * (lo + hi);
            (eastAt(mid).east.ratio > 1 ? lo : hi) = mid;
        }
        double lat = lo;
        for (int i = 0; i < 64 && eastAt(lat).east.ratio != 1.0; ++i)
            lat = std::nextafter(lat, 90.0);
        const Crossings c = eastAt(lat);
        QCOMPARE(c.east.ratio, 1.0);
        QVERIFY(c.east.seen);
        QCOMPARE(c.east.hourAngle, 0.0);
        // Hour angle 0: the east "crossing" is at apparent noon, evaluated
        // a few minutes earlier, so within a second of the meridian.
        CHECK_NEAR(c.east.clock, c.meridian.clock, 1 * kSecond);
        // One double further the crossing is gone.
        QVERIFY(!eastAt(std::nextafter(lo, 0.0)).east.seen);
    }

    // Clock values are brought into one day by whole days.
    void wrapToDay_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<double>("wrapped");
        QTest::newRow("inside") << 0.371252 << 0.371252;
        QTest::newRow("zero") << 0.0 << 0.0;
        QTest::newRow("one day and 72 minutes") << 1.05 << 0.05;
        QTest::newRow("below zero") << -0.25 << 0.75;
        QTest::newRow("two days below") << -1.75 << 0.25;
        QTest::newRow("a hair below zero") << -1e-18 << 0.0;
    }
    void wrapToDay()
    {
        QFETCH(double, v);
        QFETCH(double, wrapped);
        const double w = orvane::wrapToDay(v);
        QVERIFY(w >= 0 && w < 1);
        CHECK_NEAR(w, wrapped, 1e-12);
    }

    // A site far from its zone meridian: clock values fall outside one day
    // before the wrap. 170 W in zone +12 (index 23): noon is about
    // (180 + 170)/360 + 0.5 = 1.47 days; east near 1.2; west near 1.75.
    void farFromZoneWrapsIntoOneDay()
    {
        SolarState s = site(40, -170, 180, 2024, 6, 21);
        const Crossings c = computeCrossings(s, false);
        QVERIFY(c.east.seen && c.west.seen);
        const double noon = (180.0 + 170.0) / 360 + 0.5 - c.meridian.equationOfTime / 1440;
        CHECK_NEAR(c.meridian.clock, noon - 1, 1e-12);
        QVERIFY(c.east.clock >= 0 && c.east.clock < 1);
        QVERIFY(c.west.clock >= 0 && c.west.clock < 1);
        // And the other way: 170 E in zone -11 (index 0): noon near -0.44.
        SolarState w = site(40, 170, -165, 2024, 6, 21);
        const Crossings cw = computeCrossings(w, false);
        const double noonW = (-165.0 - 170.0) / 360 + 0.5 - cw.meridian.equationOfTime / 1440;
        CHECK_NEAR(cw.meridian.clock, noonW + 1, 1e-12);
        QVERIFY(cw.east.clock >= 0 && cw.east.clock < 1);
    }

    // A run starts the crossings afresh: a second run gives the same result.
    void rerunIsIndependentOfTheLast()
    {
        SolarState s = site(40.655, -72.855, -75, 2024, 6, 21);
        const Crossings first = computeCrossings(s, true);
        SolarState other = site(-33.9, 151.2, 150, 2024, 12, 21);
        computeCrossings(other, false);
        s.inputDate = dateSerial(2024, 12, 21);
        computeCrossings(s, false);
        s.inputDate = dateSerial(2024, 6, 21);
        const Crossings again = computeCrossings(s, true);
        QCOMPARE(again.east.clock, first.east.clock);
        QCOMPARE(again.west.clock, first.west.clock);
        QCOMPARE(s.eventTime[kSlotMeridian], 0.5);
    }
};

QTEST_APPLESS_MAIN(TestCrossings)
#include "tst_crossings.moc"
