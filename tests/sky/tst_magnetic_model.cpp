// The compass's declination and dip from the World Magnetic Model WMM2025.
#include "sky/magnetic_model.h"

#include <QTest>

using namespace orvane::sky;

class TestMagneticModel : public QObject {
    Q_OBJECT
private slots:
    // WMM2025 test points as npm's geomagnetism 0.2.0 carries them
    // (test/values.csv), rounded there to 0.01 degree.
    void publishedValues_data()
    {
        QTest::addColumn<QList<double>>("point"); // year, height km, latitude, longitude
        QTest::addColumn<double>("inclination");
        QTest::addColumn<double>("declination");
        QTest::newRow("2025.0_near_north_pole") << QList<double>{2025.0, 28, 89, -121} << 88.47 << -99.77;
        QTest::newRow("2025.5_south_australia") << QList<double>{2025.5, 22, -37, 140} << -68.62 << 9.28;
        QTest::newRow("2026.0_southern_ocean") << QList<double>{2026.0, 82, -64, 87} << -75.40 << -81.74;
        QTest::newRow("2026.5_antarctica_far_east") << QList<double>{2026.5, 12, -79, 115} << -77.37 << -137.58;
        QTest::newRow("2027.0_arctic_canada") << QList<double>{2027.0, 67, 72, -115} << 84.84 << 13.73;
        QTest::newRow("2027.5_brazil_on_ellipsoid") << QList<double>{2027.5, 0, -13, -59} << -15.26 << -17.49;
        QTest::newRow("2028.5_algeria_greenwich") << QList<double>{2028.5, 11, 34, 0} << 46.77 << 1.57;
        QTest::newRow("2029.5_svalbard_north") << QList<double>{2029.5, 63, 88, 26} << 87.37 << 36.52;
    }
    void publishedValues()
    {
        QFETCH(QList<double>, point);
        QFETCH(double, inclination);
        QFETCH(double, declination);
        const std::optional<MagneticField> f = magneticField(point[2], point[3], point[1] * 1000, point[0]);
        QVERIFY(f);
        QVERIFY2(std::abs(f->declinationDeg - declination) <= 0.01, qPrintable(QString::number(f->declinationDeg)));
        QVERIFY2(std::abs(f->inclinationDeg - inclination) <= 0.01, qPrintable(QString::number(f->inclinationDeg)));
        // The yearly changes a tenth of a year on, against the model a tenth
        // of a year either side (a central difference, good to 0.0005 degree a year).
        const std::optional<MagneticField> &before = f;
        const auto after = magneticField(point[2], point[3], point[1] * 1000, point[0] + 0.2);
        const auto mid = magneticField(point[2], point[3], point[1] * 1000, point[0] + 0.1);
        QVERIFY(after && mid);
        QCOMPARE_LE(std::abs(mid->declinationChangeDeg - (after->declinationDeg - before->declinationDeg) / 0.2), 5e-4);
        QCOMPARE_LE(std::abs(mid->inclinationChangeDeg - (after->inclinationDeg - before->inclinationDeg) / 0.2), 5e-4);
    }

    // The model covers 2025.0 to 2030.0 and nothing beyond; noon on a day
    // counts half a day into its year (worked: 365.5 / 366 on 31 December 2028).
    void years()
    {
        QVERIFY(magneticField(40, -73, 0, 2025.0) && magneticField(40, -73, 0, 2030.0));
        QVERIFY(!magneticField(40, -73, 0, 2024.999) && !magneticField(40, -73, 0, 2030.001));
        QCOMPARE_LE(std::abs(decimalYearAtNoon(2028, 12, 31) - (2028 + 365.5 / 366)), 1e-9);
    }
};

QTEST_APPLESS_MAIN(TestMagneticModel)
#include "tst_magnetic_model.moc"
