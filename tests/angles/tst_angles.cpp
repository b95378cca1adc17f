// The wraps at their edges: the bounds, a half turn and a hair past it.
#include "angles/angles.h"

#include <QTest>

#include <cmath>

using namespace orvane::angles;

class TestAngles : public QObject {
    Q_OBJECT
private slots:
    void wraps_data()
    {
        QTest::addColumn<double>("deg");
        QTest::addColumn<double>("to360");
        QTest::addColumn<double>("to180");
        // Worked by hand; a tiny negative must not come out as 360.
        QTest::newRow("negative zero") << -0.0 << 0.0 << 0.0;
        QTest::newRow("tiny negative") << -1e-15 << 0.0 << -1e-15;
        QTest::newRow("full turn") << 360.0 << 0.0 << 0.0;
        QTest::newRow("turn and a half") << 540.0 << 180.0 << 180.0;
        QTest::newRow("minus a half turn") << -180.0 << 180.0 << 180.0;
        QTest::newRow("half turn") << 180.0 << 180.0 << 180.0;
        QTest::newRow("past a half turn") << 180 + 1e-13 << 180 + 1e-13 << -180 + 1e-13;
    }
    void wraps()
    {
        QFETCH(double, deg);
        QFETCH(double, to360);
        QFETCH(double, to180);
        QCOMPARE_LT(std::fabs(wrap360(deg) - to360), 1e-12);
        QCOMPARE_LT(std::fabs(wrap180(deg) - to180), 1e-12);
    }
};

QTEST_APPLESS_MAIN(TestAngles)
#include "tst_angles.moc"
