// The instants of due east, upper transit and due west in a civil day.
#include "sky/sun.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <optional>

using namespace orvane::sky;

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

void checkEvent(const char *name, const std::optional<SunEvent> &got, double utc, double altitude, double tolerance)
{
    if (std::isnan(utc)) {
        QVERIFY2(!got,
                 qPrintable(QStringLiteral("%1: found at %2, want none").arg(name).arg(got->utcSeconds, 0, 'f', 3)));
        return;
    }
    QVERIFY2(got, qPrintable(QStringLiteral("%1: none, want %2").arg(name).arg(utc, 0, 'f', 3)));
    QVERIFY2(std::fabs(got->utcSeconds - utc) <= tolerance, qPrintable(QStringLiteral("%1: %2 s, want %3 +- %4")
                                                                           .arg(name)
                                                                           .arg(got->utcSeconds, 0, 'f', 3)
                                                                           .arg(utc, 0, 'f', 3)
                                                                           .arg(tolerance)));
    // The altitude changes by at most 15 degrees an hour.
    const double altitudeTolerance = tolerance * 15.0 / 3600;
    QVERIFY2(std::fabs(got->altitudeDeg - altitude) <= altitudeTolerance,
             qPrintable(QStringLiteral("%1: altitude %2, want %3 +- %4")
                            .arg(name)
                            .arg(got->altitudeDeg)
                            .arg(altitude)
                            .arg(altitudeTolerance)));
}

bool sameEvent(const std::optional<SunEvent> &a, const std::optional<SunEvent> &b)
{
    return a.has_value() == b.has_value() && (!a || std::fabs(a->utcSeconds - b->utcSeconds) < 1e-3);
}

} // namespace

class TestSunEvents : public QObject {
    Q_OBJECT
private slots:
    void matchesAstronomyEngine_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("dayStart");
        QTest::addColumn<double>("east");
        QTest::addColumn<double>("eastAltitude");
        QTest::addColumn<double>("meridian");
        QTest::addColumn<double>("meridianAltitude");
        QTest::addColumn<double>("meridianAzimuth");
        QTest::addColumn<double>("west");
        QTest::addColumn<double>("westAltitude");
        QTest::addColumn<double>("tolerance"); // seconds, east and west
        // astronomy-engine 2.1.19: node bench/accuracy/sky_test_values.mjs
        // (UTC seconds and altitudes; kNone where the crossing is not seen).
        QTest::newRow("london_midsummer")
            << 51.5 << -0.13 << 1718924400.0 // 2024-06-21 UTC+1
            << 1718954585.255 << 30.5446 << 1718971346.497 << 61.9359 << 180.0 << 1718988108.145 << 30.5423 << 0.5;
        QTest::newRow("london_midwinter_no_east_west")
            << 51.5 << -0.13 << 1734739200.0 // 2024-12-21 UTC+0
            << kNone << kNone << 1734782328.705 << 15.0593 << 180.0 << kNone << kNone << 0.5;
        QTest::newRow("sydney_summer_transit_north")
            << -33.87 << 151.21 << 1734699600.0 // 2024-12-21 UTC+11
            << 1734734045.934 << 45.5346 << 1734745994.578 << 79.5676 << 0.0 << 1734757942.846 << 45.5362 << 0.5;
        QTest::newRow("singapore_sun_north_of_zenith")
            << 1.35 << 103.82 << 1718899200.0 // 2024-06-21 UTC+8
            << kNone << kNone << 1718946394.755 << 67.9111 << 0.0 << kNone << kNone << 0.5;
        // Due east and west 22 minutes from a transit 0.09 deg from the
        // zenith: there 0.0002 deg of declination, the references' spread,
        // moves them by 2 s.
        QTest::newRow("honolulu_near_zenith")
            << 21.25 << -157.86 << 1716631200.0 // 2024-05-25 UTC-10
            << 1716674791.534 << 84.8831 << 1716676108.687 << 89.9139 << 180.0 << 1716677386.952 << 85.0343 << 3.0;
        QTest::newRow("tromso_midnight_sun")
            << 69.65 << 18.96 << 1718920800.0 // 2024-06-21 UTC+2
            << 1718947382.056 << 25.1001 << 1718966764.210 << 43.7856 << 180.0 << 1718986146.553 << 25.0981 << 0.5;
        QTest::newRow("tromso_polar_night") << 69.65 << 18.96 << 1734735600.0 // 2024-12-21 UTC+1
                                            << kNone << kNone << kNone << kNone << kNone << kNone << kNone << 0.5;
        QTest::newRow("tokyo_day_with_leap_second")
            << 35.68 << 139.69 << 1483196400.0 // 2017-01-01 UTC+9
            << kNone << kNone << 1483238684.125 << 31.3284 << 180.0 << kNone << kNone << 0.5;
        QTest::newRow("buenos_aires_autumn")
            << -34.6 << -58.38 << 1744254000.0 // 2025-04-10 UTC-3
            << kNone << kNone << 1744300481.797 << 47.1932 << 0.0 << kNone << kNone << 0.5;
    }
    void matchesAstronomyEngine()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, dayStart);
        QFETCH(double, east);
        QFETCH(double, eastAltitude);
        QFETCH(double, meridian);
        QFETCH(double, meridianAltitude);
        QFETCH(double, meridianAzimuth);
        QFETCH(double, west);
        QFETCH(double, westAltitude);
        QFETCH(double, tolerance);
        Sun sun(Site{latitude, longitude});
        const DayEvents e = sun.events(dayStart);
        checkEvent("east", e.east, east, eastAltitude, tolerance);
        checkEvent("meridian", e.meridian, meridian, meridianAltitude, 0.5);
        checkEvent("west", e.west, west, westAltitude, tolerance);
        if (e.meridian)
            QCOMPARE(e.meridian->azimuthDeg, meridianAzimuth);
        // Each crossing alone finds the same instant.
        QVERIFY(sameEvent(sun.crossing(Crossing::East, dayStart), e.east));
        QVERIFY(sameEvent(sun.crossing(Crossing::Meridian, dayStart), e.meridian));
        QVERIFY(sameEvent(sun.crossing(Crossing::West, dayStart), e.west));
    }

    // A crossing counts only inside [start, start + length).
    void windowEdges_data()
    {
        QTest::addColumn<double>("offset"); // day start from the day's transit, s
        QTest::addColumn<double>("length");
        QTest::addColumn<bool>("meridianSeen");
        QTest::addColumn<bool>("westSeen");
        QTest::newRow("transit_just_inside_start") << -0.01 << 3600.0 << true << false;
        QTest::newRow("transit_just_before_start") << 0.01 << 86000.0 << false << true;
        QTest::newRow("transit_just_past_end") << -3600.0 << 3599.99 << false << false;
        QTest::newRow("long_day_takes_the_earlier") << -43200.0 << 90000.0 << true << true;
    }
    void windowEdges()
    {
        QFETCH(double, offset);
        QFETCH(double, length);
        QFETCH(bool, meridianSeen);
        QFETCH(bool, westSeen);
        Sun sun(Site{51.5, -0.13}); // london_midsummer, above
        const double transit = sun.crossing(Crossing::Meridian, 1718924400.0)->utcSeconds;
        const DayEvents e = sun.events(transit + offset, length);
        QCOMPARE(e.meridian.has_value(), meridianSeen);
        if (e.meridian)
            QVERIFY(std::fabs(e.meridian->utcSeconds - transit) < 1e-3);
        QCOMPARE(e.west.has_value(), westSeen);
    }

    // One Sun stepping through days forwards and back (its daily terms
    // shifted, not recomputed) agrees with a fresh one per day.
    void consecutiveDaysAgreeWithFreshSearches()
    {
        const Site site{-33.87, 151.21};
        const double first = 1734699600.0;
        Sun stepping(site);
        for (int day : {0, 1, 2, 3, 2, 1, 0, 5}) {
            const double start = first + day * 86400.0;
            const DayEvents a = stepping.events(start);
            const DayEvents b = Sun(site).events(start);
            QVERIFY(a.east && a.meridian && a.west);
            QVERIFY(sameEvent(a.east, b.east) && sameEvent(a.meridian, b.meridian) && sameEvent(a.west, b.west));
        }
    }
};

QTEST_APPLESS_MAIN(TestSunEvents)
#include "tst_sun_events.moc"
