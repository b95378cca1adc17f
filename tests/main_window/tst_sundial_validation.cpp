// The input checks behind Calculate: order, messages, focus, selection and
// the values stored on the way.
#include "support/window_driver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <cmath>

namespace {

// 21 June 2027 as a date value: 45464 is 21 June 2024 (the ephemeris'
// worked date), plus 365 + 365 + 365 days.
constexpr double kJune21 = 46559;

const char kDate[] = "Please enter a valid date";
const char kClock[] = "Are clock readings Standard Time, or Daylight Savings?";
const char kLat[] = "Please enter latitude in degrees from -90 to 90, e.g. 40.655";
const char kLon[] = "Please enter  longitude in degrees from 0 to 180, e.g. 72.855";
const char kSide[] = "Please select whether you are East or West of Greewich";
const char kZone[] = "Please select your time zone";
const char kFar[] = "Your longitude is more than 15 degrees form your time zone.  "
                    "Are you sure that this information is correct?";

// ShowEot ran when the east slot was evaluated (it starts at 0.25).
bool calculated(const orvane::SolarState &s) { return s.eventTime[orvane::kSlotEast] != 0; }

} // namespace

class TestValidation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale("en_US")); }

    void refusals_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("clock");
        QTest::addColumn<QString>("lat");
        QTest::addColumn<QString>("lon");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("zone");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");    // the control holding the focus afterwards
        QTest::addColumn<double>("inputDate"); // stored values; 0 = untouched
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("zoneMeridian");

        // Later tests must not run: every row leaves the later inputs valid.
        QTest::newRow("empty date") << "" << int(Daylight) << "40.655"
                                    << "72.855" << int(West) << 6 << kDate << "txtDate" << 0.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("30 February") << "2/30/2027" << int(Daylight) << "40.655"
                                     << "72.855" << int(West) << 6 << kDate << "txtDate" << 0.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("no clock mode, date already stored")
            << "6/21/2027" << int(NoClock) << "40.655"
            << "72.855" << int(West) << 6 << kClock << "CmdCalculate" << kJune21 << 0.0 << 0.0 << 0.0;
        QTest::newRow("latitude above 90")
            << "6/21/2027" << int(Standard) << "90.0001"
            << "72.855" << int(West) << 6 << kLat << "txtLatitude" << kJune21 << 0.0 << 0.0 << 0.0;
        QTest::newRow("latitude not a number")
            << "6/21/2027" << int(Standard) << "abc"
            << "72.855" << int(West) << 6 << kLat << "txtLatitude" << kJune21 << 0.0 << 0.0 << 0.0;
        QTest::newRow("latitude empty") << "6/21/2027" << int(Standard) << ""
                                        << "72.855" << int(West) << 6 << kLat << "txtLatitude" << kJune21 << 0.0 << 0.0
                                        << 0.0;
        QTest::newRow("latitude with digit grouping")
            << "6/21/2027" << int(Standard) << "40,655"
            << "72.855" << int(West) << 6 << kLat << "txtLatitude" << kJune21 << 0.0 << 0.0 << 0.0;
        QTest::newRow("longitude above 180")
            << "6/21/2027" << int(Standard) << "40.655"
            << "180.5" << int(West) << 6 << kLon << "txtLongitude" << kJune21 << 40.655 << 0.0 << 0.0;
        QTest::newRow("no hemisphere, sign dropped")
            << "6/21/2027" << int(Standard) << "40.655"
            << "-72.855" << int(NoSide) << 6 << kSide << "CmdCalculate" << kJune21 << 40.655 << 72.855 << 0.0;
        QTest::newRow("no time zone") << "6/21/2027" << int(Standard) << "-33.9"
                                      << "72.855" << int(West) << -1 << kZone << "lstTimeZone" << kJune21 << -33.9
                                      << -72.855 << 0.0;
        QTest::newRow("far from zone, answered No")
            << "6/21/2027" << int(Standard) << "40.655"
            << "72.855" << int(West) << 11 << kFar << "txtLongitude" << kJune21 << 40.655 << -72.855 << 0.0;
        QTest::newRow("far from zone east, answered No")
            << "6/21/2027" << int(Standard) << "40.655"
            << "72.855" << int(East) << 6 << kFar << "txtLongitude" << kJune21 << 40.655 << 72.855 << -75.0;
    }
    void refusals()
    {
        QFETCH(QString, date);
        QFETCH(int, clock);
        QFETCH(QString, lat);
        QFETCH(QString, lon);
        QFETCH(int, side);
        QFETCH(int, zone);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        WindowDriver d;
        d.enter(date, Clock(clock), lat, lon, Side(side), zone);
        orvane::test::ModalAnswerer boxes(QMessageBox::No);
        d.click("CmdCalculate");

        QCOMPARE(boxes.seen.size(), std::size_t(1));
        const orvane::test::SeenBox &box = boxes.seen.front();
        QCOMPARE(box.text, message);
        QCOMPARE(box.title, QString("Orvane"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        if (message == kFar) {
            QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(box.defaultButton, QMessageBox::No);
        } else {
            QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }

        QCOMPARE(d.focusName(), focus);
        if (auto *e = qobject_cast<QLineEdit *>(d.window.focusWidget()); e && focus.startsWith("txt")) {
            QCOMPARE(e->selectedText(), e->text());
            QCOMPARE(e->selectionStart(), e->text().isEmpty() ? -1 : 0);
        }
        if (focus == "lstTimeZone") // the list gets the focus without a selection
            QVERIFY(d.zones()->lineEdit()->selectedText().isEmpty());

        // Each value was stored by its own step, before the failure.
        const orvane::SolarState &s = d.window.state();
        QTEST(s.inputDate, "inputDate");
        QTEST(s.latitude, "latitude");
        QTEST(s.longitude, "longitude");
        QTEST(s.zoneMeridian, "zoneMeridian");
        QVERIFY(!calculated(s));
        QVERIFY(d.result().isEmpty());
    }

    void accepted_data()
    {
        QTest::addColumn<QString>("lat");
        QTest::addColumn<QString>("lon");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("zone");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("zoneMeridian");
        QTest::newRow("latitude 90") << "90"
                                     << "72.855" << int(West) << 6 << 90.0 << -72.855 << -75.0;
        QTest::newRow("latitude -90") << "-90"
                                      << "72.855" << int(West) << 6 << -90.0 << -72.855 << -75.0;
        QTest::newRow("longitude 180 east, last zone") << "10"
                                                       << "180" << int(East) << 23 << 10.0 << 180.0 << 180.0;
        QTest::newRow("signed longitude, west") << "40.655"
                                                << "-72.855" << int(West) << 6 << 40.655 << -72.855 << -75.0;
        QTest::newRow("signed longitude, east") << "40.655"
                                                << "-72.855" << int(East) << 16 << 40.655 << 72.855 << 75.0;
        QTest::newRow("exactly 15 degrees from the zone") << "40"
                                                          << "60" << int(West) << 6 << 40.0 << -60.0 << -75.0;
        QTest::newRow("exactly 15 degrees, first zone") << "-14"
                                                        << "180" << int(West) << 0 << -14.0 << -180.0 << -165.0;
        QTest::newRow("blanks around the numbers") << " 40.655 "
                                                   << " 72.855" << int(West) << 6 << 40.655 << -72.855 << -75.0;
    }
    void accepted()
    {
        QFETCH(QString, lat);
        QFETCH(QString, lon);
        QFETCH(int, side);
        QFETCH(int, zone);
        WindowDriver d;
        d.enter("6/21/2027", Daylight, lat, lon, Side(side), zone);
        orvane::test::ModalAnswerer boxes(QMessageBox::Ok);
        d.click("CmdCalculate");
        QCOMPARE(boxes.seen.size(), std::size_t(0)); // no message, no question
        const orvane::SolarState &s = d.window.state();
        QCOMPARE(s.inputDate, kJune21);
        QTEST(s.latitude, "latitude");
        QTEST(s.longitude, "longitude");
        QTEST(s.zoneMeridian, "zoneMeridian");
        QVERIFY(calculated(s));
    }

    void questionAnsweredYesCalculates()
    {
        WindowDriver d;
        d.enter("6/21/2027", Daylight, "40.655", "72.855", West, 11);
        orvane::test::ModalAnswerer boxes(QMessageBox::Yes);
        d.click("CmdCalculate");
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QCOMPARE(boxes.seen.front().text, QString(kFar));
        QCOMPARE(d.window.state().zoneMeridian, 0.0);
        QVERIFY(calculated(d.window.state()));
        QVERIFY(d.result().startsWith("Monday, June 21, 2027\r\n"));
    }

    void refusedCalculateKeepsTheResult()
    {
        WindowDriver d;
        d.enter("6/21/2027", Daylight, "40.655", "72.855", West, 6);
        orvane::test::ModalAnswerer boxes(QMessageBox::Ok);
        d.click("CmdCalculate");
        const QString first = d.result();
        QVERIFY(first.startsWith("Monday, June 21, 2027\r\n"));
        const double east = d.window.state().eventTime[orvane::kSlotEast];

        d.type("txtLatitude", "91");
        d.click("CmdCalculate");
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QCOMPARE(boxes.seen.front().text, QString(kLat));
        QCOMPARE(d.result(), first);
        QCOMPARE(d.window.state().eventTime[orvane::kSlotEast], east);
    }
};

QTEST_MAIN(TestValidation)
#include "tst_sundial_validation.moc"
