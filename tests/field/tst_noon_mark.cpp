// The noon mark: each day's spot lies on the ray through the hole from the
// sun at the mark time, the sun found here on its own (the instant from
// QDateTime and the zone's standard offset, the position from the sky's
// direct evaluation); and the spot's size against a case worked by hand.
#include "field/sun_year.h"

#include "dial/dial_kinds.h"
#include "dial/face_frame.h"
#include "dial/noon_mark.h"
#include "sky/sun.h"

#include <QDateTime>
#include <QTimeZone>
#include <QtTest>

#include <cmath>
#include <numbers>

using namespace orvane::dial;

namespace {

double rad(double deg) { return deg * std::numbers::pi / 180; }

} // namespace

class tst_noon_mark : public QObject {
    Q_OBJECT
private slots:
    void rayThroughHole_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<int>("offsetMinutes"); // the zone's standard clock
        QTest::addColumn<double>("facing");     // NaN with the tilt: a floor
        QTest::addColumn<double>("tilt");
        QTest::addColumn<double>("markHours");
        QTest::addColumn<bool>("lit"); // the spot reaches the face on the days checked
        const double none = qQNaN();
        QTest::newRow("floor, New York, 12:00") << 40.655 << -72.855 << -300 << none << none << 12.0 << true;
        QTest::newRow("wall facing 200, New York, 12:00") << 40.655 << -72.855 << -300 << 200.0 << 90.0 << 12.0 << true;
        QTest::newRow("floor, Sydney, 13:00") << -33.87 << 151.21 << 600 << none << none << 13.0 << true;
        QTest::newRow("north wall, Sydney, 12:00") << -33.87 << 151.21 << 600 << 0.0 << 90.0 << 12.0 << true;
        QTest::newRow("north wall, New York: never lit at noon")
            << 40.655 << -72.855 << -300 << 0.0 << 90.0 << 12.0 << false;
    }
    void rayThroughHole()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(int, offsetMinutes);
        QFETCH(double, facing);
        QFETCH(double, tilt);
        QFETCH(double, markHours);
        QFETCH(bool, lit);
        const int year = 2027;
        DialInput given;
        given.latitude = latitude;
        given.longitude = longitude;
        given.facing = facing;
        given.tilt = tilt;
        given.apertureHeight = 3;
        given.markHours = markHours;
        given.sunYear = orvane::sunYear(latitude, longitude, year);
        given.clockSun = orvane::clockSun(latitude, longitude, year, offsetMinutes);
        const DialKind &kind = dialKind(DialType::NoonMark);
        const DialInput face = kind.faces(given).front().input;
        const NoonMarkLayout l = *kind.layout(face).noonMark;
        const FaceFrame f = faceFrame(face);
        int checked = 0;
        for (const NoonMarkDay &day : l.days) {
            if (day.dayOfYear % 45 != 0)
                continue;
            const QDateTime instant(QDate(year, 1, 1).addDays(day.dayOfYear),
                                    QTime(int(markHours), int(std::lround(markHours * 60)) % 60),
                                    QTimeZone(offsetMinutes * 60));
            const orvane::sky::SunPosition sun =
                orvane::sky::sunPosition(double(instant.toSecsSinceEpoch()), {latitude, longitude, 0});
            const Vec3 towardsSun{std::cos(rad(sun.altitudeDeg)) * std::sin(rad(sun.azimuthDeg)),
                                  std::cos(rad(sun.altitudeDeg)) * std::cos(rad(sun.azimuthDeg)),
                                  std::sin(rad(sun.altitudeDeg))};
            // From the spot on the face up through the hole, H along the normal.
            const Vec3 ray = l.apertureHeight * f.normal - (day.at.x * f.xAxis + day.at.y * f.yAxis);
            const double angle = std::acos(std::min(1.0, dot(ray, towardsSun) / std::sqrt(dot(ray, ray))));
            QVERIFY2(angle * 180 / std::numbers::pi < 0.01, qPrintable(QString::fromStdString(day.date)));
            // The designer's spot for that instant stands on the day's mark
            // (its outline's mean is its centre; to a millimetre).
            DialFace shown;
            shown.input = face;
            const Drawing moment = kind.moment(shown, towardsSun);
            QVERIFY(!moment.groups.empty() && !moment.groups.front().paths.empty());
            PlatePoint mean{0, 0};
            const std::vector<PlatePoint> &outline = moment.groups.front().paths.front().points;
            for (const PlatePoint &p : outline)
                mean = {mean.x + p.x / outline.size(), mean.y + p.y / outline.size()};
            QVERIFY(std::hypot(mean.x - 1000 * day.at.x, mean.y - 1000 * day.at.y) < 1);
            ++checked;
        }
        QCOMPARE(checked > 0, lit);
        QCOMPARE(l.meridian.has_value(), lit);
    }

    // A round hole 10 mm across, 3000 mm from the face, the sun's disc
    // 0.533° across (a = 0.2665°, sin a = 0.00465125, cos a = 0.99998918).
    // Square to the face (e = 90°) the spot is a circle d + 2 H tan a
    // = 10 + 6000 x 0.00465130 = 37.908 mm. At e = 30° the sun's pinhole
    // image is the cone cut at a slant: its width 2 H sin a /
    // sqrt(sin^2 e - sin^2 a) = 27.9075 / 0.49997837 = 55.818 and its length
    // 2 H sin a cos a / (sin^2 e - sin^2 a) = 27.9072 / 0.24997837 = 111.639,
    // each plus the hole's 10 mm: worked by hand, to 0.01 mm.
    void spotSize_data()
    {
        QTest::addColumn<double>("elevation");
        QTest::addColumn<double>("length");
        QTest::addColumn<double>("width");
        QTest::newRow("sun square to the face") << 90.0 << 37.908 << 37.908;
        QTest::newRow("sun 30 degrees above the face") << 30.0 << 121.639 << 65.818;
    }
    void spotSize()
    {
        QFETCH(double, elevation);
        QFETCH(double, length);
        QFETCH(double, width);
        const SpotSize s = orvane::dial::spotSize(3000, 10, elevation);
        QVERIFY2(std::fabs(s.lengthMm - length) < 0.01, qPrintable(QString::number(s.lengthMm)));
        QVERIFY2(std::fabs(s.widthMm - width) < 0.01, qPrintable(QString::number(s.widthMm)));
    }
};

QTEST_GUILESS_MAIN(tst_noon_mark)
#include "tst_noon_mark.moc"
