// Declination and equation of time against the worked values of the
// low-order solar theory (site 72.855 W, noon slot).
#include "angles/angles.h"
#include "calc/date_value.h"
#include "calc/solar_position.h"

#include "support/near.h"

#include <QTest>

#include <cmath>

using namespace orvane;

namespace {

SolarState site(int y, int m, int d)
{
    SolarState s;
    initConstants(s);
    s.inputDate = dateSerial(y, m, d);
    s.longitude = -72.855;
    return s;
}
} // namespace

class TestSolarPosition : public QObject {
    Q_OBJECT
private slots:
    // Worked value: 21 June 2024, daylight saving, all intermediate terms.
    void summerSolsticeTerms()
    {
        SolarState s = site(2024, 6, 21);
        const SolarTerms t = computeSolarTerms(s, kSlotMeridian, true);
        QCOMPARE(t.N, 45462LL);
        CHECK_NEAR(t.T, 1.244714, 0.5e-6);
        CHECK_NEAR(t.L, 90.3403, 0.5e-4);
        CHECK_NEAR(t.M, 166.9796, 0.5e-4);
        CHECK_NEAR(t.epsilon, 23.43582, 0.5e-5);
        CHECK_NEAR(t.lambda, 90.7625, 0.5e-4);
        CHECK_NEAR(t.alpha, 90.8310, 0.5e-4);
        CHECK_NEAR(t.declination, 0.408994, 0.5e-6);
        CHECK_NEAR(t.declination * angles::kRadToDeg, 23.4336, 0.5e-4);
        CHECK_NEAR(t.equationOfTime, -1.96283, 0.5e-5);
    }

    // Worked value: the +360 quadrant case near the equinox.
    void equinoxQuadrant()
    {
        SolarState s = site(2024, 3, 20);
        const SolarTerms t = computeSolarTerms(s, kSlotMeridian, false);
        CHECK_NEAR(t.L, 358.7162, 0.5e-4);
        CHECK_NEAR(t.lambda, 360.5766, 0.5e-4);
        CHECK_NEAR(t.alphaRaw, 0.5291, 0.5e-4);
        CHECK_NEAR(t.alpha, 360.5291, 0.5e-4);
        CHECK_NEAR(t.declination, 0.004003, 0.5e-6);
        CHECK_NEAR(t.equationOfTime, -7.25160, 0.5e-5);
    }

    // Worked values of the noon slot, written to EventSun.
    void noonSlot_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("dst");
        QTest::addColumn<double>("declination");
        QTest::addColumn<double>("declinationTol");
        QTest::addColumn<double>("eot");
        QTest::addColumn<double>("eotTol");
        QTest::newRow("21 June, daylight saving") << 6 << 21 << true << 0.408994 << 0.5e-6 << -1.96283 << 0.5e-5;
        QTest::newRow("21 June, standard") << 6 << 21 << false << 0.408990 << 0.5e-6 << -1.97188 << 0.5e-5;
        QTest::newRow("20 March, standard") << 3 << 20 << false << 0.004003 << 0.5e-6 << -7.25160 << 0.5e-5;
        QTest::newRow("3 November, standard") << 11 << 3 << false << -0.268147 << 0.5e-6 << 16.4344 << 0.5e-4;
        // Only the equation of time is worked for 11 February.
        QTest::newRow("11 February, standard") << 2 << 11 << false << 0.0 << 1.0 << -14.1964 << 0.5e-4;
    }
    void noonSlot()
    {
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(bool, dst);
        QFETCH(double, declination);
        QFETCH(double, declinationTol);
        QFETCH(double, eot);
        QFETCH(double, eotTol);
        SolarState s = site(2024, month, day);
        solarPosition(s, kSlotMeridian, dst);
        CHECK_NEAR(s.eventSun[0][kSlotMeridian], declination, declinationTol);
        CHECK_NEAR(s.eventSun[1][kSlotMeridian], eot, eotTol);
    }

    void november3DeclinationInDegrees()
    {
        SolarState s = site(2024, 11, 3);
        solarPosition(s, kSlotMeridian, false);
        CHECK_NEAR(s.eventSun[0][kSlotMeridian] * angles::kRadToDeg, -15.3637, 0.5e-4);
    }

    // Daylight saving evaluates one hour earlier: the worked difference on
    // 21 June is about 0.009 minutes of equation of time.
    void daylightSavingIsOneHourEarlier()
    {
        SolarState s = site(2024, 6, 21);
        const SolarTerms dst = computeSolarTerms(s, kSlotMeridian, true);
        const SolarTerms std_ = computeSolarTerms(s, kSlotMeridian, false);
        CHECK_NEAR(std_.T - dst.T, 1.0 / 24 / 36525, 1e-15);
        CHECK_NEAR(dst.equationOfTime - std_.equationOfTime, 0.009, 0.0005);
    }

    void onlyTheGivenSlotIsWritten()
    {
        SolarState s = site(2024, 6, 21);
        s.eventTime[kSlotEast] = 0.25;
        solarPosition(s, kSlotEast, false);
        QVERIFY(s.eventSun[0][kSlotEast] != 0);
        QCOMPARE(s.eventSun[0][kSlotMeridian], 0.0);
        QCOMPARE(s.eventSun[1][kSlotWest], 0.0);
    }

    // Before 1900: N and T are negative and L, M still land in [0, 360).
    // Reference: 1 June 1850 is 18111 days before 1 January 1900 (date
    // arithmetic), and the declination near 1 June is about +22 degrees
    // in any year (almanac).
    void before1900()
    {
        SolarState s = site(1850, 6, 1);
        const SolarTerms t = computeSolarTerms(s, kSlotMeridian, false);
        QCOMPARE(t.N, -18111LL);
        QVERIFY(t.T < 0);
        QVERIFY(t.L >= 0 && t.L < 360);
        QVERIFY(t.M >= 0 && t.M < 360);
        CHECK_NEAR(t.declination * angles::kRadToDeg, 22.0, 0.3);
        QVERIFY(std::fabs(t.equationOfTime) < 17);
    }

    // The quadrant rule keeps L - alpha small over a whole year, so the
    // equation of time stays within its known range of about -14.3 to
    // +16.5 minutes (almanac), here with a margin of half a minute.
    void equationOfTimeStaysSmallAllYear()
    {
        for (int dayOfYear = 0; dayOfYear < 366; ++dayOfYear) {
            SolarState s = site(2024, 1, 1);
            s.inputDate += dayOfYear;
            for (double et : {0.0, 0.25, 0.5, 0.75, 0.999}) {
                s.eventTime[3] = et;
                solarPosition(s, 3, false);
                QVERIFY2(s.eventSun[1][3] > -15 && s.eventSun[1][3] < 17,
                         qPrintable(QString("day %1 at %2: %3").arg(dayOfYear).arg(et).arg(s.eventSun[1][3])));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestSolarPosition)
#include "tst_solar_position.moc"
