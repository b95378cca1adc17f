// Angle constants and the guarded inverse functions.
#include "angles/angles.h"
#include "calc/solar_state.h"
#include "calc/trig_functions.h"

#include <QTest>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

using namespace orvane;

namespace {
std::vector<std::string> g_messages;
}

class TestTrig : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        g_messages.clear();
        setErrorReporter([](const std::string &m) { g_messages.push_back(m); });
    }
    void cleanup() { setErrorReporter(nullptr); }

    void initConstantsIsIdempotent()
    {
        SolarState once;
        initConstants(once);
        SolarState twice;
        initConstants(twice);
        initConstants(twice);
        QCOMPARE(twice.eventTime[kSlotMeridian], 0.5);
        QCOMPARE(once.eventTime[kSlotMeridian], 0.5);
        // The constants are the values 4 atan(1) and its quotients give at run time, to the last bit.
        const double atanPi = 4 * std::atan(1.0);
        QCOMPARE(angles::kPi, atanPi);
        QCOMPARE(angles::kDegree, atanPi / 180);
        QCOMPARE(angles::kRadToDeg, 180 / atanPi);
    }

    // Expected values are the closed forms named in the row.
    void arcSin_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");
        QTest::addColumn<bool>("message");
        const double pi = std::numbers::pi;
        QTest::newRow("0.5 = pi/6") << 0.5 << pi / 6 << false;
        QTest::newRow("-0.5 = -pi/6") << -0.5 << -pi / 6 << false;
        QTest::newRow("0") << 0.0 << 0.0 << false;
        QTest::newRow("1 = pi/2 through the band") << 1.0 << pi / 2 << false;
        QTest::newRow("-1 = -pi/2 through the band") << -1.0 << -pi / 2 << false;
        QTest::newRow("inside the band, proportional") << 1.000000000005 << (pi / 2) * 1.000000000005 << false;
        QTest::newRow("the bound itself is refused") << 1.00000000001 << 0.0 << true;
        QTest::newRow("1.5 refused") << 1.5 << 0.0 << true;
        QTest::newRow("-1.5 refused") << -1.5 << 0.0 << true;
        QTest::newRow("NaN refused") << std::nan("") << 0.0 << true;
    }
    void arcSin()
    {
        QFETCH(double, x);
        QFETCH(double, expected);
        QFETCH(bool, message);
        const double got = orvane::arcSin(x);
        QVERIFY2(std::fabs(got - expected) <= 1e-15, qPrintable(QString::number(got, 'g', 17)));
        QCOMPARE(g_messages.size(), message ? size_t(1) : size_t(0));
        if (message)
            QCOMPARE(g_messages.front(), std::string("Input out of ArcSine range"));
    }

    void arcCos_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");
        QTest::addColumn<bool>("message");
        const double pi = std::numbers::pi;
        QTest::newRow("0 = pi/2") << 0.0 << pi / 2 << false;
        QTest::newRow("0.5 = pi/3") << 0.5 << pi / 3 << false;
        QTest::newRow("-0.5 = 2pi/3") << -0.5 << 2 * pi / 3 << false;
        QTest::newRow("1 = 0 exactly") << 1.0 << 0.0 << false;
        QTest::newRow("-1 = pi exactly") << -1.0 << pi << false;
        QTest::newRow("no band beyond 1") << 1.0000000001 << 0.0 << true;
        QTest::newRow("next double above 1") << std::nextafter(1.0, 2.0) << 0.0 << true;
        QTest::newRow("-2 refused") << -2.0 << 0.0 << true;
    }
    void arcCos()
    {
        QFETCH(double, x);
        QFETCH(double, expected);
        QFETCH(bool, message);
        const double got = orvane::arcCos(x);
        QVERIFY2(std::fabs(got - expected) <= 1e-15, qPrintable(QString::number(got, 'g', 17)));
        QCOMPARE(g_messages.size(), message ? size_t(1) : size_t(0));
        if (message)
            QCOMPARE(g_messages.front(), std::string("Input out of ArcCos range"));
    }

    void arcTan_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");
        const double pi = std::numbers::pi;
        QTest::newRow("1 = pi/4") << 1.0 << pi / 4;
        QTest::newRow("-1 = -pi/4") << -1.0 << -pi / 4;
        QTest::newRow("huge approaches pi/2") << 1e300 << pi / 2;
    }
    void arcTan()
    {
        QFETCH(double, x);
        QFETCH(double, expected);
        QVERIFY(std::fabs(orvane::arcTan(x) - expected) <= 1e-15);
    }

    void withoutReporterNothingBreaks()
    {
        setErrorReporter(nullptr);
        QCOMPARE(orvane::arcSin(3.0), 0.0);
        QCOMPARE(orvane::arcCos(3.0), 0.0);
    }
};

QTEST_APPLESS_MAIN(TestTrig)
#include "tst_trig.moc"
