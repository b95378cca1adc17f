// The one check of a dial's settings, as the designer and the command line
// both use it: which settings it refuses, and the range it gives for each.
#include "field/dial_settings.h"

#include <QtTest>

#include <cmath>

using namespace orvane;

namespace {

constexpr double kUnread = std::numeric_limits<double>::quiet_NaN();

// "width 50-5000": the refused settings with their ranges, in order.
QString problems(const DialSettings &s)
{
    static const char *names[] = {"facing", "tilt", "width", "height", "nodus"};
    QStringList out;
    for (const SettingProblem &p : checkDialSettings(s))
        out << QStringLiteral("%1 %2-%3").arg(QLatin1String(names[int(p.setting)])).arg(p.range.low).arg(p.range.high);
    return out.join(QStringLiteral(", "));
}

} // namespace

class TestDialSettings : public QObject {
    Q_OBJECT
private slots:
    void check_data()
    {
        QTest::addColumn<bool>("wall");
        QTest::addColumn<double>("facing");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("nodus");
        QTest::addColumn<QString>("refused");
        QTest::newRow("the defaults") << false << 180.0 << 300.0 << 300.0 << 100.0 << "";
        QTest::newRow("every bound itself") << true << 360.0 << 50.0 << 5000.0 << 50.0 << "";
        QTest::newRow("plate 49 mm wide") << false << 180.0 << 49.0 << 300.0 << 20.0 << "width 50-5000";
        QTest::newRow("plate over 5 m high") << false << 180.0 << 300.0 << 5000.5 << 20.0 << "height 50-5000";
        QTest::newRow("nodus under 5 mm") << false << 180.0 << 300.0 << 300.0 << 4.9 << "nodus 5-300";
        QTest::newRow("nodus over the smaller side") << false << 180.0 << 400.0 << 200.0 << 201.0 << "nodus 5-200";
        QTest::newRow("nodus against the largest plate while a side is refused")
            << false << 180.0 << 10.0 << 300.0 << 301.0 << "width 50-5000, nodus 5-300";
        QTest::newRow("an unread number") << false << 180.0 << 300.0 << kUnread << 100.0 << "height 50-5000";
        QTest::newRow("a wall's facing over 360") << true << 360.5 << 300.0 << 300.0 << 100.0 << "facing 0-360";
        QTest::newRow("a wall's facing unread") << true << kUnread << 300.0 << 300.0 << 100.0 << "facing 0-360";
        QTest::newRow("no facing asked of a horizontal dial") << false << kUnread << 300.0 << 300.0 << 100.0 << "";
    }
    void check()
    {
        QFETCH(bool, wall);
        QFETCH(double, facing);
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(double, nodus);
        QFETCH(QString, refused);
        DialSettings s;
        s.type = wall ? dial::DialType::Vertical : dial::DialType::Horizontal;
        s.facing = facing;
        s.plateWidth = width;
        s.plateHeight = height;
        s.nodusHeight = nodus;
        QCOMPARE(problems(s), refused);
    }
};

QTEST_MAIN(TestDialSettings)
#include "tst_dial_settings.moc"
