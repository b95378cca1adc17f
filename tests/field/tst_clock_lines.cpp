// Clock-time hour lines against the sun at the clock's instant, worked out
// here from the zone's standard offset (QTimeZone) and the sun evaluated
// directly (sky::sunPosition): the ray from each reported day's point
// through the nodus points at the sun.
#include "field/dial_design.h"

#include "dial/face_frame.h"
#include "sky/sun.h"

#include <QTest>
#include <QTimeZone>

#include <cmath>
#include <numbers>

using namespace orvane;

class TestClockLines : public QObject {
    Q_OBJECT
private slots:
    void rayThroughNodus_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("facing");
        QTest::addColumn<double>("tilt");
        using dial::DialType;
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("New York, level") << 40.655 << -72.855 << "America/New_York" << int(DialType::Horizontal)
                                         << 180.0 << 0.0;
        QTest::newRow("New York, wall facing 200")
            << 40.655 << -72.855 << "America/New_York" << int(DialType::Vertical) << 200.0 << 90.0;
        QTest::newRow("Sydney, wall facing north")
            << -33.87 << 151.21 << "Australia/Sydney" << int(DialType::Vertical) << 0.0 << 90.0;
        QTest::newRow("Sydney, reclining 30/60")
            << -33.87 << 151.21 << "Australia/Sydney" << int(DialType::Plane) << 30.0 << 60.0;
        QTest::newRow("Berlin, polar") << 52.52 << 13.40 << "Europe/Berlin" << int(DialType::Polar) << nan << 90.0;
        QTest::newRow("Sydney, equatorial, both faces")
            << -33.87 << 151.21 << "Australia/Sydney" << int(DialType::Equatorial) << 180.0 << 90.0;
    }
    void rayThroughNodus()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QString, zone);
        QFETCH(int, type);
        QFETCH(double, facing);
        QFETCH(double, tilt);
        const QTimeZone tz(zone.toLatin1());
        const int standard = tz.standardTimeOffset(QDateTime(QDate(2027, 1, 15), QTime(12, 0), tz));
        AcceptedSite site;
        site.date = QDate(2027, 6, 21);
        site.latitude = latitude;
        site.longitude = longitude;
        site.west = longitude < 0;
        site.clock = SiteClock(standard / 60);
        DialSettings settings;
        settings.type = dial::DialType(type);
        settings.facing = facing;
        settings.tilt = tilt;
        settings.time = dial::DialTime::Clock;
        settings.dateLines = DateLineChoice::None;
        DesignChoices choices;
        choices.card = false;
        const DialDesign d = designDial(site, settings, choices, QLocale::c());

        int checked = 0;
        for (const dial::DialFace &face : d.faces) {
            const dial::FaceFrame f = dial::faceFrame(face.input);
            for (const dial::HourLine &h : face.layout.hourLines) {
                for (const dial::Polyline &piece : h.curve)
                    for (std::size_t i = 1; i < piece.size(); ++i)
                        QVERIFY(std::hypot(piece[i].x - piece[i - 1].x, piece[i].y - piece[i - 1].y) <= 2 + 1e-9);
                for (std::size_t i = 0; i < h.days.size(); i += 29) {
                    const dial::ClockMark &m = h.days[i];
                    const QDateTime at =
                        QDateTime(QDate(2027, 1, 1).addDays(m.dayOfYear), QTime(0, 0), QTimeZone(standard))
                            .addSecs(qint64(std::lround(h.hour * 3600)));
                    const sky::SunPosition s =
                        sky::sunPosition(double(at.toSecsSinceEpoch()), sky::Site{latitude, longitude, 0});
                    const double az = s.azimuthDeg * std::numbers::pi / 180,
                                 alt = s.altitudeDeg * std::numbers::pi / 180;
                    const dial::Vec3 sun{std::cos(alt) * std::sin(az), std::cos(alt) * std::cos(az), std::sin(alt)};
                    const dial::Vec3 ray =
                        face.input.nodusHeight * f.normal - (m.point.x * f.xAxis + m.point.y * f.yAxis);
                    const double cosine = dial::dot(ray, sun) / std::sqrt(dial::dot(ray, ray));
                    const double offDeg = std::acos(std::min(1.0, cosine)) * 180 / std::numbers::pi;
                    QVERIFY2(offDeg <= 0.01, qPrintable(QStringLiteral("%1 h on %2: %3°")
                                                            .arg(h.label.c_str(), at.date().toString(Qt::ISODate))
                                                            .arg(offDeg)));
                    ++checked;
                }
            }
        }
        QVERIFY(checked >= 20);
    }
};

QTEST_GUILESS_MAIN(TestClockLines)
#include "tst_clock_lines.moc"
