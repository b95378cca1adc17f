// The correction card against an independent ephemeris and the field
// data's own meridian times, across New York's November change.
#include "field/correction_card.h"
#include "support/near.h"
#include "text/input_check.h"
#include "text/summer_time.h"
#include "text/wording.h"

#include <QTest>

using namespace orvane;

namespace {

constexpr double kLatitude = 40.655, kLongitude = -72.855;

std::vector<CardDay> card(bool zoneTimeDial)
{
    CardInputs in{kLatitude, kLongitude, 2027, zoneTimeDial, SiteClock(-300, false)};
    in.clock.zone = QTimeZone("America/New_York");
    return correctionCard(in);
}

double addOn(const std::vector<CardDay> &c, const QDate &date)
{
    for (const CardDay &d : c)
        if (d.date == date)
            return d.addSeconds;
    return qQNaN();
}

} // namespace

class TestCorrectionCard : public QObject {
    Q_OBJECT
private slots:
    // The true sun's meridian passage on the clock, less noon, from
    // astronomy-engine 2.1.19 (SearchHourAngle, hour angle 0, this site):
    // 11 February +337.1 s, 3 November +2098.7 s (daylight saving), 8 November
    // -1490.6 s. A zone-time dial drops the site's 2.145 degrees east of the
    // zone's meridian, 514.8 s. Within 0.5 s, the two ephemerides' agreement.
    void againstTheAlmanac_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("zoneTimeDial");
        QTest::addColumn<double>("add");
        QTest::newRow("11 February, sun time, standard") << QDate(2027, 2, 11) << false << 337.1;
        QTest::newRow("3 November, sun time, daylight saving") << QDate(2027, 11, 3) << false << 2098.7;
        QTest::newRow("8 November, sun time, standard again") << QDate(2027, 11, 8) << false << -1490.6;
        QTest::newRow("3 November, zone time") << QDate(2027, 11, 3) << true << 2098.7 + 514.8;
    }
    void againstTheAlmanac()
    {
        QFETCH(QDate, date);
        QFETCH(bool, zoneTimeDial);
        QFETCH(double, add);
        const std::vector<CardDay> c = card(zoneTimeDial);
        QCOMPARE(c.size(), std::size_t(365));
        CHECK_NEAR(addOn(c, date), add, 0.5);
    }

    // A sun-time dial reads 12 at the true sun's meridian passage: the card
    // is that passage's clock time less noon, as the field data finds it.
    void meridianOfTheFieldData()
    {
        const std::vector<CardDay> c = card(false);
        for (const QDate &date : {QDate(2027, 1, 1), QDate(2027, 4, 1), QDate(2027, 7, 1), QDate(2027, 10, 1)}) {
            FieldInputs in;
            in.date = date;
            in.latitude = kLatitude;
            in.longitude = kLongitude;
            in.clock = zoneClockOn(QTimeZone("America/New_York"), date);
            const FieldData d = computeFieldData(in);
            CHECK_NEAR(addOn(c, date), *d.days[0].precise[1] - 43200, 0.051);
        }
    }

    // With a zone, each day of the card has the clock that the zone's rules
    // give on that date: across spring and autumn changes, with summer time
    // at both ends of a southern year, and where the clock jumped a day.
    void zoneClockEveryDay_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<int>("year");
        QTest::newRow("New York 2027") << QByteArray("America/New_York") << 2027;
        QTest::newRow("Sao Paulo 2018, summer at both ends") << QByteArray("America/Sao_Paulo") << 2018;
        QTest::newRow("Dublin 2027, winter behind its standard") << QByteArray("Europe/Dublin") << 2027;
        QTest::newRow("Apia 2011, 30 December skipped") << QByteArray("Pacific/Apia") << 2011;
    }
    void zoneClockEveryDay()
    {
        QFETCH(QByteArray, zone);
        QFETCH(int, year);
        CardInputs in{kLatitude, kLongitude, year, false, SiteClock(0, false)};
        in.clock.zone = QTimeZone(zone);
        const std::vector<CardDay> c = correctionCard(in);
        QCOMPARE(c.size(), std::size_t(QDate(year, 1, 1).daysInYear()));
        for (const CardDay &d : c)
            QVERIFY2(d.clock == zoneClockOn(*in.clock.zone, d.date), qPrintable(d.date.toString(Qt::ISODate)));
    }

    // A clock chosen from the window's list: the entry's region gives each
    // day of the card its clock, whichever clock the date was given. The
    // changes are the published rules for 2027: the US second Sunday in March
    // to the first in November, the EU last Sundays of March and October,
    // South Australia first Sundays of April and October.
    void entryRules_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<bool>("daylight"); // the clock chosen for `chosen`
        QTest::addColumn<QDate>("chosen");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("clockMinutes"); // that day's clock, east of UTC
        QTest::addColumn<QString>("line");
        const QString newYork = "UTC-5, summer time by the rules of America/New_York: 14 March to 7 November 2027";
        const QString london = "UTC+0, summer time by the rules of Europe/London: 28 March to 31 October 2027";
        const QString adelaide = "UTC+9:30, summer time by the rules of Australia/Adelaide: to 4 April and from "
                                 "3 October 2027";
        QTest::newRow("New York, daylight in June: January without")
            << 6 << true << QDate(2027, 6, 21) << QDate(2027, 1, 11) << -300 << newYork;
        QTest::newRow("New York, daylight in June: July with")
            << 6 << true << QDate(2027, 6, 21) << QDate(2027, 7, 12) << -240 << newYork;
        QTest::newRow("London, standard in March: 27 March without")
            << 11 << false << QDate(2027, 3, 10) << QDate(2027, 3, 27) << 0 << london;
        QTest::newRow("London, standard in March: 29 March with")
            << 11 << false << QDate(2027, 3, 10) << QDate(2027, 3, 29) << 60 << london;
        QTest::newRow("Adelaide, standard in July: January with")
            << 33 << false << QDate(2027, 7, 1) << QDate(2027, 1, 15) << 630 << adelaide;
        QTest::newRow("Adelaide, standard in July: July without")
            << 33 << false << QDate(2027, 7, 1) << QDate(2027, 7, 15) << 570 << adelaide;
        QTest::newRow("GMT+5, no region: the chosen hour all year")
            << 16 << true << QDate(2027, 6, 21) << QDate(2027, 1, 11) << 360 << "UTC+5 with daylight saving all year";
        QTest::newRow("Greenland, whose clock moved: standard all year")
            << 8 << false << QDate(2027, 1, 11) << QDate(2027, 7, 12) << -180 << "UTC-3, standard time all year";
    }
    void entryRules()
    {
        QFETCH(int, entry);
        QFETCH(bool, daylight);
        QFETCH(QDate, chosen);
        QFETCH(QDate, day);
        QFETCH(int, clockMinutes);
        QFETCH(QString, line);
        InputTexts texts{chosen.toString(Qt::ISODate), "40.655", "72.855", !daylight, daylight, false, true, entry, {}};
        const InputCheck c = checkInputs(texts, QLocale::c()); // far from some zones: asked, not refused
        QVERIFY(c.site);
        QCOMPARE(c.site->clock.daylightSaving, daylight); // the date's own clock stays the one chosen
        const std::vector<CardDay> card = correctionCard({kLatitude, kLongitude, 2027, false, c.site->clock});
        QCOMPARE(card[std::size_t(QDate(2027, 1, 1).daysTo(day))].clock.offsetSeconds(), clockMinutes * 60);
        QCOMPARE(cardClockText(c.site->clock, 2027, utcOffsetName), line);
    }
};

QTEST_GUILESS_MAIN(TestCorrectionCard)
#include "tst_correction_card.moc"
