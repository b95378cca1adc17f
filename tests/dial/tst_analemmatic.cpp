// The analemmatic dial against the sun itself: a person standing upright
// on the date's place casts a shadow through the hour's mark. The sun's
// direction comes from the spherical triangle (east, north, up), not from
// the dial's own formulas.
#include "dial/analemmatic.h"
#include "dial/dial_kinds.h"

#include <QTest>

#include <cmath>
#include <numbers>

using namespace orvane::dial;

namespace {

constexpr double kRad = std::numbers::pi / 180;

DialInput ground(double latitude, double longitude = 0, DialTime time = DialTime::Sun, double zoneMeridian = 0)
{
    DialInput in;
    in.type = DialType::Analemmatic;
    in.latitude = latitude;
    in.longitude = longitude;
    in.time = time;
    in.zoneMeridian = zoneMeridian;
    in.halfWidth = 2.5;
    in.stepMinutes = 30;
    return in;
}

} // namespace

class TestAnalemmatic : public QObject {
    Q_OBJECT
private slots:
    void shadowThroughTheMark_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<bool>("zoneTime");
        QTest::newRow("London, sun time") << 51.5 << -0.12 << false;
        QTest::newRow("Sydney, sun time") << -33.87 << 151.2 << false;
        QTest::newRow("Sydney, zone time at 150 E") << -33.87 << 151.2 << true;
        QTest::newRow("15 N, zone time 5 degrees west of its meridian") << 15.0 << -80.0 << true;
        QTest::newRow("70 N, the midnight sun") << 70.0 << 20.0 << false;
    }
    void shadowThroughTheMark()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(bool, zoneTime);
        const double meridian = 15 * std::round(longitude / 15);
        const DialInput in = ground(latitude, longitude, zoneTime ? DialTime::Zone : DialTime::Sun, meridian);
        const GroundLayout l = layoutGround(in);
        QVERIFY(l.marks.size() >= 20);
        const double phi = latitude * kRad;
        double worst = 0;
        int checked = 0;
        for (const GroundMark &m : l.marks)
            for (double declination : {-23.44, -11.0, 0.0, 8.5, 23.44}) {
                // The sun's hour angle when a clock on this dial's time reads the mark.
                const double h = (15 * (m.hour - 12) + (zoneTime ? longitude - meridian : 0)) * kRad;
                const double d = declination * kRad;
                const double east = -std::cos(d) * std::sin(h);
                const double north = std::cos(phi) * std::sin(d) - std::sin(phi) * std::cos(d) * std::cos(h);
                const double up = std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(h);
                if (up <= 0.02)
                    continue; // below or on the horizon: no shadow to read
                const double standY = groundDateY(in, declination);
                const double toX = m.at.x, toY = m.at.y - standY;
                // The shadow points away from the sun's bearing.
                const double angle = std::atan2(-east * toY + north * toX, -east * toX - north * toY) / kRad;
                worst = std::max(worst, std::fabs(angle));
                ++checked;
            }
        QVERIFY(checked > 40);
        qInfo("largest angle between shadow and mark: %.2e degrees over %d cases", worst, checked);
        QVERIFY2(worst < 1e-9, qPrintable(QString::number(worst)));
    }

    // Staked with two tapes, each mark lands where the layout puts it; and
    // the southern dial is the northern one turned over the east-west axis.
    void twoTapesAndTheSouth()
    {
        for (double latitude : {51.5, -51.5, 12.0, -78.0}) {
            const GroundLayout l = layoutGround(ground(latitude));
            for (const GroundMark &m : l.marks) {
                const std::optional<PlatePoint> p = stakedPoint(l.noonY, m.fromCentre, m.fromNoon, m.side);
                QVERIFY(p);
                QVERIFY2(std::hypot(p->x - m.at.x, p->y - m.at.y) < 1e-9, m.label.c_str());
            }
        }
        const GroundLayout north = layoutGround(ground(33.87)), south = layoutGround(ground(-33.87));
        QCOMPARE(south.marks.size(), north.marks.size());
        for (std::size_t i = 0; i < north.marks.size(); ++i) {
            QCOMPARE(south.marks[i].label, north.marks[i].label);
            QVERIFY(std::fabs(south.marks[i].at.x - north.marks[i].at.x) < 1e-12);
            QVERIFY(std::fabs(south.marks[i].at.y + north.marks[i].at.y) < 1e-12);
        }
        QVERIFY(std::fabs(groundDateY(ground(-33.87), 23.44) + groundDateY(ground(33.87), -23.44)) < 1e-12);
        QCOMPARE(south.noonY < 0, true);
    }

    void personAsGnomon()
    {
        // Worked by hand for 51.5 N, M = 2.5 m: at noon on the June solstice
        // the person stands M tan(23.44) cos(51.5) = 0.675 m north of C, the
        // mark lies M sin(51.5) = 1.957 m north, the sun is 61.94 degrees
        // high: 1.282 m x tan(61.94) = 2.406 m, the year's worst.
        const GroundLayout l = layoutGround(ground(51.5));
        QVERIFY(std::fabs(l.gnomonHeight - 2.406) < 0.005);
        QCOMPARE(l.gnomon.front().hour, 9.0);
        QCOMPARE(l.gnomon.back().hour, 15.0);
        // A smaller dial needs a proportionally smaller person.
        DialInput small = ground(51.5);
        small.halfWidth = 1.25;
        QVERIFY(std::fabs(layoutGround(small).gnomonHeight - 2.406 / 2) < 0.005);
    }
};

QTEST_MAIN(TestAnalemmatic)
#include "tst_analemmatic.moc"
