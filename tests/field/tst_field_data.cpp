// The field data: the method's times as the window shows them, beside the
// true sun at those times and the true instants.
#include "field/field_data.h"
#include "support/near.h"

#include <QTest>

using namespace orvane;

namespace {

// The worked example's site: 40.655 N, 72.855 W, zone GMT-5.
FieldInputs example(QDate date, bool daylightSaving)
{
    FieldInputs in;
    in.date = date;
    in.latitude = 40.655;
    in.longitude = -72.855;
    in.clock = SiteClock{-300, daylightSaving};
    return in;
}

double hms(int h, int m, double s) { return h * 3600 + m * 60 + s; }

} // namespace

class TestFieldData : public QObject {
    Q_OBJECT
private slots:
    // 21 June 2027 on daylight saving: the window shows 8:54:27 AM,
    // 12:53:14 PM and 4:52:00 PM (the worked result text).
    void summerExample()
    {
        FieldInputs in = example(QDate(2027, 6, 21), true);
        in.days = 3;
        const FieldData d = computeFieldData(in);
        const double shown[3] = {hms(8, 54, 27), hms(12, 53, 14), hms(16, 52, 0)};
        for (FieldEvent e : kFieldEvents) {
            const EventField &f = d.events[int(e)];
            QVERIFY(f.seen);
            QCOMPARE(f.methodClock, shown[int(e)]);
            QVERIFY(f.preciseClock);
            // The method evaluates the sun an hour early on daylight saving:
            // measured over the accuracy grid, within 25 s of the true instant.
            QVERIFY2(std::fabs(*f.differenceSeconds) < 25, qPrintable(QString::number(*f.differenceSeconds)));
            CHECK_NEAR(*f.differenceSeconds, *f.preciseClock - f.methodClock, 1e-9);
            // In 25 s the azimuth turns by well under 0.2 degrees.
            CHECK_NEAR(f.offLineDeg, 0, 0.2);
            CHECK_NEAR(std::fmod(f.shadowBearingDeg - f.azimuthDeg + 360, 360), 180, 1e-9);
            CHECK_NEAR(f.offLineMmPerM, 1000 * std::tan(f.offLineDeg * M_PI / 180), 1e-9);
            // Length of the shadow of a 1 m line: 1 / tan(altitude).
            CHECK_NEAR(*f.shadowLengthPerM, 1 / std::tan(f.altitudeDeg * M_PI / 180), 1e-12);
            QVERIFY(f.notes.empty());
        }
        QCOMPARE(d.events[int(FieldEvent::Meridian)].targetAzimuthDeg, 180.0);
        // The noon sun at 40.7 N in June: altitude 90 - 40.655 + 23.44 = 72.8 degrees.
        CHECK_NEAR(d.events[int(FieldEvent::Meridian)].altitudeDeg, 72.8, 0.1);
        // Azimuth turns fastest around noon: 15 deg/h * cos(lat) / tan(alt)... near 0.8 deg/min in June.
        CHECK_NEAR(d.events[int(FieldEvent::Meridian)].turnDegPerMin, 0.8, 0.1);

        QCOMPARE(d.around.size(), std::size_t(3 * 21));
        QCOMPARE(d.around[10].clock, shown[0]);
        QCOMPARE(d.around[0].clock, shown[0] - 300);
        QCOMPARE(d.days.size(), std::size_t(3));
        QCOMPARE(d.days[0].method[0], std::optional<double>(shown[0]));
        QCOMPARE(d.days[2].date, QDate(2027, 6, 23));
        QVERIFY(d.warnings.empty() || d.warnings == std::vector{FieldWarning::DaylightSavingDiffers});
    }

    void winterNeverEastOrWest()
    {
        const FieldData d = computeFieldData(example(QDate(2027, 12, 21), false));
        QVERIFY(!d.events[int(FieldEvent::East)].seen);
        QVERIFY(!d.events[int(FieldEvent::West)].seen);
        QVERIFY(d.events[int(FieldEvent::Meridian)].seen);
        // Worked result text: south at 11:49:28 AM.
        QCOMPARE(d.events[int(FieldEvent::Meridian)].methodClock, hms(11, 49, 28));
        QCOMPARE(d.around.size(), std::size_t(21));
        QVERIFY(!d.days[0].method[0] && !d.days[0].precise[0] && !d.days[0].method[2]);
    }

    // Each day takes the zone's own clock: New York leaves daylight saving
    // on 7 November 2027, so the meridian comes an hour earlier on the clock.
    void zoneRulesPerDay()
    {
        FieldInputs in = example(QDate(2027, 11, 6), true);
        in.clock.zone = QTimeZone("America/New_York");
        in.days = 2;
        const FieldData d = computeFieldData(in);
        QVERIFY(d.days[0].clock.daylightSaving);
        QVERIFY(!d.days[1].clock.daylightSaving);
        const double shift = *d.days[0].method[1] - *d.days[1].method[1];
        CHECK_NEAR(shift, 3600, 60); // the equation of time changes by seconds a day

        // A list entry's region leaves the date's own clock as it was chosen,
        // here daylight saving on the day New York leaves it.
        in.date = QDate(2027, 11, 7);
        in.clock.entryRegion = true;
        const FieldData e = computeFieldData(in);
        QVERIFY(e.days[0].clock.daylightSaving);
        QVERIFY(!e.days[1].clock.daylightSaving);
    }

    // Hand-worked: at a northern site in June the sun's azimuth grows
    // through the morning. A minute after the sun stood due east it is a
    // little past 90 degrees, so the shadow points a little past 270 (north
    // of west): turning the mark back onto the east-west line is
    // anticlockwise seen from above, a negative turn.
    void markAfterEastTurnsBack()
    {
        const FieldInputs in = example(QDate(2027, 6, 21), true);
        const FieldData d = computeFieldData(in);
        const double east = *d.events[int(FieldEvent::East)].preciseClock;
        const MarkField late = markAt(in, east + 60);
        QCOMPARE(late.line, TrueLine::EastWest);
        QVERIFY(late.shadowBearingDeg > 270);
        QVERIFY(late.turnDeg < 0);
        CHECK_NEAR(late.turnDeg, -(late.shadowBearingDeg - 270), 1e-9);
        const MarkField early = markAt(in, east - 60);
        QVERIFY(early.turnDeg > 0);
        // Near noon the nearest line is north-south.
        QCOMPARE(markAt(in, hms(12, 53, 14)).line, TrueLine::NorthSouth);
    }

    void clockTexts_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<bool>("tenths");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole seconds") << hms(8, 54, 27) << false << "08:54:27";
        QTest::newRow("rounds to the second") << hms(16, 51, 59.5) << false << "16:52:00";
        QTest::newRow("tenths") << hms(8, 54, 25.26) << true << "08:54:25.3";
        QTest::newRow("midnight wraps") << hms(23, 59, 59.96) << true << "00:00:00.0";
        QTest::newRow("before midnight of the day") << -30.0 << false << "23:59:30";
    }
    void clockTexts()
    {
        QFETCH(double, seconds);
        QFETCH(bool, tenths);
        QTEST(clockText(seconds, tenths), "expected");
    }

    void farFromZoneWarns()
    {
        FieldInputs in = example(QDate(2027, 6, 21), false);
        in.clock.utcOffsetMinutes = 0;
        const FieldData d = computeFieldData(in);
        QVERIFY(std::find(d.warnings.begin(), d.warnings.end(), FieldWarning::FarFromZone) != d.warnings.end());
    }
};

QTEST_GUILESS_MAIN(TestFieldData)
#include "tst_field_data.moc"
