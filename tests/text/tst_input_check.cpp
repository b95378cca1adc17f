// The input checks without a window: the verdict, the message, where the
// focus goes and which values were already taken when a check refuses.
#include "calc/date_value.h"
#include "text/input_check.h"
#include "text/window_texts.h"

#include <QTest>

using namespace orvane;

Q_DECLARE_METATYPE(orvane::InputTexts)
Q_DECLARE_METATYPE(orvane::CheckVerdict)
Q_DECLARE_METATYPE(orvane::InputField)

namespace {

// 21 June 2027 as a date value (days from 30 December 1899).
constexpr double kJune21 = 46559;
constexpr double kNone = -999; // the value was not taken

double dateValue(const std::optional<QDate> &d) { return d ? dateSerial(d->year(), d->month(), d->day()) : kNone; }

InputTexts texts(const char *date, int clock, const char *lat, const char *lon, int side, int zone)
{
    InputTexts in;
    in.date = QString::fromUtf8(date);
    in.standardTime = clock == 1 || clock == 3;
    in.daylightSaving = clock == 2 || clock == 3;
    in.latitude = QString::fromUtf8(lat);
    in.longitude = QString::fromUtf8(lon);
    in.east = side == 1;
    in.west = side == 2;
    in.zoneIndex = zone;
    return in;
}

} // namespace

class TestInputCheck : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    void check_data()
    {
        QTest::addColumn<InputTexts>("in");
        QTest::addColumn<CheckVerdict>("verdict");
        QTest::addColumn<QString>("message");
        QTest::addColumn<InputField>("focus");
        QTest::addColumn<bool>("select");
        QTest::addColumn<double>("inputDate");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("zoneMeridian");

        const auto R = CheckVerdict::Refused;
        // clock 1 standard / 2 daylight; side 1 east / 2 west.
        QTest::newRow("empty date") << texts("", 2, "40.655", "72.855", 2, 6) << R << kMsgDate << InputField::Date
                                    << true << kNone << kNone << kNone << kNone;
        QTest::newRow("no clock mode keeps the date")
            << texts("6/21/2027", 0, "40.655", "72.855", 2, 6) << R << kMsgClockMode << InputField::None << false
            << kJune21 << kNone << kNone << kNone;
        QTest::newRow("both clock modes") << texts("6/21/2027", 3, "40.655", "72.855", 2, 6) << R << kMsgClockMode
                                          << InputField::None << false << kJune21 << kNone << kNone << kNone;
        QTest::newRow("latitude 90.0001") << texts("6/21/2027", 1, "90.0001", "72.855", 2, 6) << R << kMsgLatitude
                                          << InputField::Latitude << true << kJune21 << kNone << kNone << kNone;
        QTest::newRow("longitude 180.5") << texts("6/21/2027", 1, "40.655", "180.5", 2, 6) << R << kMsgLongitude
                                         << InputField::Longitude << true << kJune21 << 40.655 << kNone << kNone;
        QTest::newRow("no hemisphere keeps the longitude unsigned")
            << texts("6/21/2027", 1, "40.655", "-72.855", 0, 6) << R << kMsgHemisphere << InputField::None << false
            << kJune21 << 40.655 << 72.855 << kNone;
        QTest::newRow("no zone: focus without selection")
            << texts("6/21/2027", 1, "-33.9", "72.855", 2, -1) << R << kMsgTimeZone << InputField::TimeZone << false
            << kJune21 << -33.9 << -72.855 << kNone;
        QTest::newRow("far from zone asks, every value taken")
            << texts("6/21/2027", 1, "40.655", "72.855", 2, 11) << CheckVerdict::AskFarFromZone << kMsgFarFromZone
            << InputField::Longitude << true << kJune21 << 40.655 << -72.855 << 0.0;
        QTest::newRow("exactly 15 degrees off asks nothing")
            << texts("6/21/2027", 2, "40", "90", 2, 6) << CheckVerdict::Accepted << QString() << InputField::None
            << false << kJune21 << 40.0 << -90.0 << -75.0;
        QTest::newRow("the separator is no zone") << texts("6/21/2027", 1, "40", "72", 2, 24) << R << kMsgTimeZone
                                                  << InputField::TimeZone << false << kJune21 << 40.0 << -72.0 << kNone;
        QTest::newRow("India, 82.5 degrees for GMT+5:30")
            << texts("6/21/2027", 1, "28.6", "77.2", 1, 29) << CheckVerdict::Accepted << QString() << InputField::None
            << false << kJune21 << 28.6 << 77.2 << 82.5;
        QTest::newRow("Chatham Islands at 176.5 W lie 7.75 degrees from 191.25 E")
            << texts("6/21/2027", 1, "-44", "176.5", 2, 35) << CheckVerdict::Accepted << QString() << InputField::None
            << false << kJune21 << -44.0 << -176.5 << 191.25;
        QTest::newRow("GMT+12 and 160 W: 20 degrees across the date line asks")
            << texts("6/21/2027", 1, "-20", "160", 2, 23) << CheckVerdict::AskFarFromZone << kMsgFarFromZone
            << InputField::Longitude << true << kJune21 << -20.0 << -160.0 << 180.0;
        QTest::newRow("a letter chooses west over the East button")
            << texts("6/21/2027", 2, "40 39 18 N", "72 51 18 W", 1, 6) << CheckVerdict::Accepted << QString()
            << InputField::None << false << kJune21 << 40.655 << -72.855 << -75.0;
        QTest::newRow("a letter and a minus sign refused")
            << texts("6/21/2027", 2, "40.655", "-72.855W", 2, 6) << R << kMsgLongitude << InputField::Longitude << true
            << kJune21 << 40.655 << kNone << kNone;
        QTest::newRow("60 minutes refused, never carried")
            << texts("6/21/2027", 2, "40 60 N", "72.855", 2, 6) << R << kMsgLatitude << InputField::Latitude << true
            << kJune21 << kNone << kNone << kNone;
        QTest::newRow("a pair in the latitude box reads both, its sign the side")
            << texts("6/21/2027", 2, "40.655, -72.855", "", 1, 6) << CheckVerdict::Accepted << QString()
            << InputField::None << false << kJune21 << 40.655 << -72.855 << -75.0;
        QTest::newRow("worked example, typed sign ignored for east")
            << texts("2027-06-21", 2, "40.655", "-72.855", 1, 16) << CheckVerdict::Accepted << QString()
            << InputField::None << false << kJune21 << 40.655 << 72.855 << 75.0;
    }
    void check()
    {
        QFETCH(InputTexts, in);
        const InputCheck c = checkInputs(in, QLocale());
        QTEST(c.verdict, "verdict");
        QTEST(QString::fromLatin1(c.message), "message");
        QTEST(c.focus, "focus");
        QTEST(c.selectText, "select");
        QTEST(dateValue(c.values.date), "inputDate");
        QTEST(c.values.latitude.value_or(kNone), "latitude");
        QTEST(c.values.longitude.value_or(kNone), "longitude");
        QTEST(c.values.clock ? c.values.clock->zoneMeridian() : kNone, "zoneMeridian");
        // The whole site exactly when every value was taken, and the same.
        QCOMPARE(c.site.has_value(), c.verdict != CheckVerdict::Refused);
        if (c.site) {
            QCOMPARE(c.site->date, *c.values.date);
            QCOMPARE(c.site->longitude, *c.values.longitude);
            QCOMPARE(c.site->west, c.site->longitude < 0);
            QCOMPARE(c.site->clock.daylightSaving, in.daylightSaving);
            QCOMPARE(c.site->clock.zoneIndex, in.zoneIndex);
        }
    }
};

QTEST_GUILESS_MAIN(TestInputCheck)
#include "tst_input_check.moc"
