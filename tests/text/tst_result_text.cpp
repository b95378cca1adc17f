// The result text: the two worked examples in three locales, and the
// number-to-text rules on their edges.
#include "angles/angles.h"
#include "calc/crossings.h"
#include "calc/date_value.h"
#include "calc/solar_state.h"
#include "support/worked_examples.h"
#include "text/result_text.h"
#include "text/wording.h"

#include <QTest>

using namespace orvane;
using namespace orvane::test;

namespace {

const QString crLf = QStringLiteral("\r\n");

// Seconds after midnight as a fraction of a day.
double clockOf(int h, int m, double s) { return (h * 3600 + m * 60 + s) / 86400.0; }

} // namespace

class TestResultText : public QObject {
    Q_OBJECT
private slots:
    void examples_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("daylightSaving");
        QTest::addColumn<QString>("expected");

        // The two worked result texts, character for character.
        QTest::newRow("en_US summer, daylight saving") << "en_US" << QDate(2027, 6, 21) << true << juneResultUs();
        QTest::newRow("en_US winter, standard time") << "en_US" << QDate(2027, 12, 21) << false << decemberResultUs();
        // Written by hand: English names from the fixed pattern, 24-hour
        // times, decimal comma in German.
        QTest::newRow("en_GB summer, daylight saving")
            << "en_GB" << QDate(2027, 6, 21) << true
            << summerResult("Monday, June 21, 2027", "08:54:27", "12:53:14", "16:52:00", "23.44");
        QTest::newRow("en_GB winter, standard time")
            << "en_GB" << QDate(2027, 12, 21) << false
            << winterResult("Tuesday, December 21, 2027", "11:49:28", "-23.43");
        QTest::newRow("de_DE summer, daylight saving")
            << "de_DE" << QDate(2027, 6, 21) << true
            << summerResult("Montag, Juni 21, 2027", "08:54:27", "12:53:14", "16:52:00", "23,44");
        QTest::newRow("de_DE winter, standard time")
            << "de_DE" << QDate(2027, 12, 21) << false
            << winterResult("Dienstag, Dezember 21, 2027", "11:49:28", "-23,43");
    }
    void examples()
    {
        QFETCH(QString, locale);
        QFETCH(QDate, date);
        QFETCH(bool, daylightSaving);
        QFETCH(QString, expected);
        const Crossings c = exampleCrossings(date.year(), date.month(), date.day(), daylightSaving);
        QCOMPARE(resultText(date, c, QLocale(locale)), expected);
    }

    void sunData_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("declinationDeg");
        QTest::addColumn<double>("eotMinutes");
        QTest::addColumn<QString>("expected");

        QTest::newRow("EoT exactly 0 takes the plain form")
            << "en_US" << 10.0 << 0.0 << " (declination=10.00 degrees, EoT = 0 minutes, 0 seconds)";
        QTest::newRow("EoT -0.4: MINUS 0 minutes, 24 seconds")
            << "en_US" << 10.0 << -0.4 << " (declination=10.00 degrees, EoT = MINUS 0 minutes, 24 seconds)";
        QTest::newRow("EoT +3.25") << "en_US" << 10.0 << 3.25
                                   << " (declination=10.00 degrees, EoT = 3 minutes, 15 seconds)";
        QTest::newRow("EoT -3.25") << "en_US" << 10.0 << -3.25
                                   << " (declination=10.00 degrees, EoT = MINUS 3 minutes, 15 seconds)";
        QTest::newRow("1 minute stays plural")
            << "en_US" << 10.0 << -1.78 << " (declination=10.00 degrees, EoT = MINUS 1 minutes, 47 seconds)";
        QTest::newRow("2.995 min carries into the minutes")
            << "en_US" << 10.0 << 2.995 << " (declination=10.00 degrees, EoT = 3 minutes, 0 seconds)";
        QTest::newRow("-2.995 min carries into the minutes")
            << "en_US" << 10.0 << -2.995 << " (declination=10.00 degrees, EoT = MINUS 3 minutes, 0 seconds)";
        QTest::newRow("16 minutes 24.6 s rounds to 25 s")
            << "en_US" << 10.0 << 16.41 << " (declination=10.00 degrees, EoT = 16 minutes, 25 seconds)";
        // The sign decides the form before rounding, as for any e < 0.
        QTest::newRow("tiny negative EoT keeps MINUS")
            << "en_US" << 10.0 << -0.001 << " (declination=10.00 degrees, EoT = MINUS 0 minutes, 0 seconds)";
        QTest::newRow("declination rounding to zero from below has no sign")
            << "en_US" << -0.004 << 1.0 << " (declination=0.00 degrees, EoT = 1 minutes, 0 seconds)";
        QTest::newRow("small positive declination")
            << "en_US" << 0.5 << 1.0 << " (declination=0.50 degrees, EoT = 1 minutes, 0 seconds)";
        QTest::newRow("negative declination rounds half away")
            << "en_US" << -23.4336 << 1.0 << " (declination=-23.43 degrees, EoT = 1 minutes, 0 seconds)";
        QTest::newRow("de_DE decimal comma, -0,00 avoided")
            << "de_DE" << -0.001 << -0.4 << " (declination=0,00 degrees, EoT = MINUS 0 minutes, 24 seconds)";
        QTest::newRow("de_DE negative declination")
            << "de_DE" << -23.4336 << 3.25 << " (declination=-23,43 degrees, EoT = 3 minutes, 15 seconds)";
    }
    void sunData()
    {
        QFETCH(QString, locale);
        QFETCH(double, declinationDeg);
        QFETCH(double, eotMinutes);
        QFETCH(QString, expected);
        const double toDeg = angles::kRadToDeg;
        QCOMPARE(orvane::sunDataText(declinationDeg / toDeg, eotMinutes, QLocale(locale)), expected + crLf + crLf);
    }

    void timeText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("clock");
        QTest::addColumn<QString>("expected");

        QTest::newRow("morning, US") << "en_US" << clockOf(8, 54, 27) << "8:54:27 AM";
        QTest::newRow("0.4 s rounds down") << "en_US" << clockOf(8, 54, 27.4) << "8:54:27 AM";
        QTest::newRow("0.6 s rounds up") << "en_US" << clockOf(8, 54, 27.6) << "8:54:28 AM";
        QTest::newRow("round up into the next minute") << "en_US" << clockOf(16, 51, 59.5) << "4:52:00 PM";
        QTest::newRow("noon") << "en_US" << 0.5 << "12:00:00 PM";
        QTest::newRow("midnight") << "en_US" << 0.0 << "12:00:00 AM";
        QTest::newRow("just before midnight stays") << "en_US" << clockOf(23, 59, 59.4) << "11:59:59 PM";
        QTest::newRow("rounding up at midnight wraps") << "en_US" << clockOf(23, 59, 59.6) << "12:00:00 AM";
        QTest::newRow("value after one day shows its time of day") << "en_US" << 1.25 << "6:00:00 AM";
        QTest::newRow("value before the day shows its time of day") << "en_US" << -0.25 << "6:00:00 PM";
        QTest::newRow("morning, GB 24 hours") << "en_GB" << clockOf(8, 54, 27) << "08:54:27";
        QTest::newRow("afternoon, DE 24 hours") << "de_DE" << clockOf(16, 52, 0) << "16:52:00";
        QTest::newRow("zone field first in the pattern (zh_CN)") << "zh_CN" << clockOf(16, 52, 0) << "16:52:00";
        QTest::newRow("zone field in brackets (fa_IR) leaves no brackets")
            << "fa_IR" << clockOf(16, 52, 0) << QLocale("fa_IR").toString(QTime(16, 52, 0), "H:mm:ss");
    }
    void timeText()
    {
        QFETCH(QString, locale);
        QFETCH(double, clock);
        QFETCH(QString, expected);
        QCOMPARE(orvane::timeText(clock, QLocale(locale)), expected);
    }

    void dateLine_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two-digit day, US") << "en_US" << QDate(2027, 3, 5) << "Friday, March 05, 2027";
        QTest::newRow("two-digit day, DE") << "de_DE" << QDate(2027, 3, 5) << "Freitag, März 05, 2027";
        QTest::newRow("leap day") << "en_US" << QDate(2028, 2, 29) << "Tuesday, February 29, 2028";
    }
    void dateLine()
    {
        QFETCH(QString, locale);
        QFETCH(QDate, date);
        QFETCH(QString, expected);
        QCOMPARE(orvane::dateLineText(date, QLocale(locale)), expected + crLf);
    }

    void eventBlocks_data()
    {
        QTest::addColumn<bool>("eastSeen");
        QTest::addColumn<bool>("westSeen");
        QTest::addColumn<bool>("north");
        QTest::addColumn<QString>("expected");

        const QString data = " (declination=10.00 degrees, EoT = 0 minutes, 0 seconds)\r\n\r\n";
        QTest::newRow("east never seen, west seen") << false << true << false
                                                    << "The sun is never seen east at this location and date\r\n\r\n"
                                                       "The sun will be exactly south at 12:00:00 PM" +
                                                           data + "The sun will be exactly west at 6:00:00 PM" + data;
        QTest::newRow("west never seen ends without a line break")
            << true << false << false
            << "The sun will be exactly east at 6:00:00 AM" + data + "The sun will be exactly south at 12:00:00 PM" +
                   data + "The sun is never seen west at this location and date";
        QTest::newRow("meridian north") << true << true << true
                                        << "The sun will be exactly east at 6:00:00 AM" + data +
                                               "The sun will be exactly north at 12:00:00 PM" + data +
                                               "The sun will be exactly west at 6:00:00 PM" + data;
    }
    void eventBlocks()
    {
        QFETCH(bool, eastSeen);
        QFETCH(bool, westSeen);
        QFETCH(bool, north);
        QFETCH(QString, expected);
        const double toDeg = angles::kRadToDeg;
        const double decl = 10.0 / toDeg;
        Crossings c;
        c.east = {eastSeen, 0.25, decl, 0.0};
        c.meridian = {true, 0.5, decl, 0.0};
        c.west = {westSeen, 0.75, decl, 0.0};
        c.direction = north ? MeridianDirection::North : MeridianDirection::South;
        QCOMPARE(orvane::eventsText(c, QLocale("en_US")), expected);
    }

    // A latitude equal to the meridian declination reads north, end to end.
    void signedNumber_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("keepNegativeZero");
        QTest::addColumn<QString>("expected");

        QTest::newRow("positive gets a plus") << "C" << 2.25 << false << "+2.3";
        QTest::newRow("positive rounding to zero stays unsigned") << "C" << 0.04 << false << "0.0";
        QTest::newRow("command line drops the minus of -0.0") << "C" << -0.04 << false << "0.0";
        QTest::newRow("sheet keeps the minus of -0.0") << "en_US" << -0.04 << true << "-0.0";
        QTest::newRow("German comma, no grouping") << "de_DE" << 1234.56 << true << "+1234,6";
    }
    void signedNumber()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(bool, keepNegativeZero);
        QFETCH(QString, expected);
        QCOMPARE(
            orvane::signedNumberText(value, 1, QLocale(locale),
                                     keepNegativeZero ? orvane::NegativeZero::Kept : orvane::NegativeZero::Dropped),
            expected);
    }

    void utcOffset_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("name");

        QTest::newRow("India") << 330 << "+05:30"
                               << "UTC+5:30";
        QTest::newRow("New York standard") << -300 << "-05:00"
                                           << "UTC-5";
        QTest::newRow("Newfoundland") << -210 << "-03:30"
                                      << "UTC-3:30";
        QTest::newRow("zero is signed") << 0 << "+00:00"
                                        << "UTC+0";
    }
    void utcOffset()
    {
        QFETCH(int, minutes);
        QFETCH(QString, digits);
        QFETCH(QString, name);
        QCOMPARE(orvane::utcOffsetText(minutes), digits);
        QCOMPARE(orvane::utcOffsetName(minutes), name);
    }

    void latitudeEqualToDeclinationReadsNorth()
    {
        SolarState s;
        initConstants(s);
        s.inputDate = dateSerial(2027, 6, 21);
        s.longitude = -72.855;
        s.zoneMeridian = -75;
        s.latitude = 0;
        computeCrossings(s, true);
        s.latitude = angles::degrees(s.eventSun[0][kSlotMeridian]);
        const Crossings c = computeCrossings(s, true);
        QVERIFY(orvane::eventsText(c, QLocale("en_US")).contains("The sun will be exactly north at "));
    }
};

QTEST_GUILESS_MAIN(TestResultText)
#include "tst_result_text.moc"
