// The compass's declination and dip from the World Magnetic Model WMM2025.
#include "sky/magnetic_model.h"

#include <QTest>

using namespace orvane::sky;

class TestMagneticModel : public QObject {
    Q_OBJECT
private slots:
    // The model's test points for WMM2025 as npm's geomagnetism 0.2.0 carries
    // them (test/values.csv: decimal year, height in km, latitude, longitude,
    // ..., inclination, declination), rounded there to 0.01 degree.
    void publishedValues_data()
    {
        QTest::addColumn<double>("year");
        QTest::addColumn<double>("heightKm");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("inclination");
        QTest::addColumn<double>("declination");
        QTest::newRow("2025.0_near_north_pole") << 2025.0 << 28.0 << 89.0 << -121.0 << 88.47 << -99.77;
        QTest::newRow("2025.0_equator_africa") << 2025.0 << 18.0 << 0.0 << 21.0 << -26.06 << 1.29;
        QTest::newRow("2025.5_south_australia") << 2025.5 << 22.0 << -37.0 << 140.0 << -68.62 << 9.28;
        QTest::newRow("2026.0_southern_ocean") << 2026.0 << 82.0 << -64.0 << 87.0 << -75.40 << -81.74;
        QTest::newRow("2026.5_antarctica_far_east") << 2026.5 << 12.0 << -79.0 << 115.0 << -77.37 << -137.58;
        QTest::newRow("2027.0_arctic_canada") << 2027.0 << 67.0 << 72.0 << -115.0 << 84.84 << 13.73;
        QTest::newRow("2027.5_brazil_on_ellipsoid") << 2027.5 << 0.0 << -13.0 << -59.0 << -15.26 << -17.49;
        QTest::newRow("2028.0_atlantic_tropics") << 2028.0 << 21.0 << 6.0 << -32.0 << -8.70 << -14.34;
        QTest::newRow("2028.5_algeria_greenwich") << 2028.5 << 11.0 << 34.0 << 0.0 << 46.77 << 1.57;
        QTest::newRow("2029.0_east_atlantic") << 2029.0 << 19.0 << 46.0 << -22.0 << 60.89 << -5.65;
        QTest::newRow("2029.5_svalbard_north") << 2029.5 << 63.0 << 88.0 << 26.0 << 87.37 << 36.52;
        QTest::newRow("2029.5_australia_inland") << 2029.5 << 77.0 << -18.0 << 138.0 << -47.55 << 4.45;
    }
    void publishedValues()
    {
        QFETCH(double, year);
        QFETCH(double, heightKm);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, inclination);
        QFETCH(double, declination);
        const std::optional<MagneticField> f = magneticField(latitude, longitude, heightKm * 1000, year);
        QVERIFY(f);
        QVERIFY2(std::abs(f->declinationDeg - declination) <= 0.01, qPrintable(QString::number(f->declinationDeg)));
        QVERIFY2(std::abs(f->inclinationDeg - inclination) <= 0.01, qPrintable(QString::number(f->inclinationDeg)));
    }

    // The yearly changes against the model's own values a tenth of a year
    // either side (a central difference, good to 0.0005 degree a year here).
    void yearlyChange_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("year");
        QTest::newRow("london_2026.5") << 51.5 << -0.1 << 2026.5;
        QTest::newRow("new_york_2027.2") << 40.655 << -72.855 << 2027.2;
        QTest::newRow("sydney_2029.9") << -33.87 << 151.21 << 2029.9;
    }
    void yearlyChange()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, year);
        const auto before = magneticField(latitude, longitude, 0, year - 0.1);
        const auto after = magneticField(latitude, longitude, 0, year + 0.1);
        const auto now = magneticField(latitude, longitude, 0, year);
        QVERIFY(before && after && now);
        QCOMPARE_LE(std::abs(now->declinationChangeDeg - (after->declinationDeg - before->declinationDeg) / 0.2),
                    0.0005);
        QCOMPARE_LE(std::abs(now->inclinationChangeDeg - (after->inclinationDeg - before->inclinationDeg) / 0.2),
                    0.0005);
    }

    // The model covers 2025.0 to 2030.0 and nothing beyond; noon on a day
    // counts half a day into its year (worked: 0.5 / 365 = 0.00137).
    void years()
    {
        QVERIFY(magneticField(40, -73, 0, 2025.0) && magneticField(40, -73, 0, 2030.0));
        QVERIFY(!magneticField(40, -73, 0, 2024.999) && !magneticField(40, -73, 0, 2030.001));
        QCOMPARE_LE(std::abs(decimalYearAtNoon(2025, 1, 1) - 2025.00137), 0.00001);
        // 31 December of a leap year: 365.5 days of 366.
        QCOMPARE_LE(std::abs(decimalYearAtNoon(2028, 12, 31) - (2028 + 365.5 / 366)), 1e-9);
    }
};

QTEST_APPLESS_MAIN(TestMagneticModel)
#include "tst_magnetic_model.moc"
