// The sun's year as a dial's layout takes it: the clock's noon, sunrise and sunset.
#include "field/sun_year.h"

#include "angles/angles.h"

#include <QDate>
#include <QtTest>

#include <cmath>

class tst_sun_year : public QObject {
    Q_OBJECT
private slots:
    void days_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<double>("equationOfTime"); // minutes; NaN: not checked
        QTest::addColumn<bool>("risesAndSets");
        // Meeus, Astronomical Algorithms (2nd ed.), example 28.b: +13m42.6s at
        // 1992 October 13.0 TD; at noon half a day later it has grown some 8 s.
        QTest::newRow("Meeus's worked equation of time") << 0.0 << QDate(1992, 10, 13) << 13.84 << true;
        QTest::newRow("40.655 N at the June solstice") << 40.655 << QDate(2027, 6, 21) << qQNaN() << true;
        QTest::newRow("33.9 S at the June solstice") << -33.9 << QDate(2027, 6, 21) << qQNaN() << true;
        QTest::newRow("78 N in the midnight sun") << 78.0 << QDate(2027, 6, 21) << qQNaN() << false;
    }
    void days()
    {
        QFETCH(double, latitude);
        QFETCH(QDate, date);
        QFETCH(double, equationOfTime);
        QFETCH(bool, risesAndSets);
        const auto days = orvane::sunYear(latitude, 0, date.year())();
        const std::vector<orvane::dial::SunDay> &year = *days;
        const int index = int(QDate(date.year(), 1, 1).daysTo(date));
        const auto day =
            std::find_if(year.begin(), year.end(), [index](const auto &d) { return d.dayOfYear == index; });
        QVERIFY(day != year.end());
        if (!std::isnan(equationOfTime))
            QVERIFY2(std::fabs(day->equationOfTimeMin - equationOfTime) < 0.2,
                     qPrintable(QString::number(day->equationOfTimeMin)));
        QCOMPARE(day->sunriseHours.has_value(), risesAndSets);
        QCOMPARE(day->sunsetHours.has_value(), risesAndSets);
        if (!risesAndSets)
            return;
        // The centre on the geometric horizon: cos H = -tan(latitude) tan(declination),
        // to 0.3° for the declination's drift over the half day.
        const double h = orvane::angles::degrees(std::acos(-std::tan(orvane::angles::radians(latitude)) *
                                                           std::tan(orvane::angles::radians(day->declinationDeg))));
        QVERIFY2(std::fabs(-15 * *day->sunriseHours - h) < 0.3, qPrintable(QString::number(*day->sunriseHours)));
        QVERIFY2(std::fabs(15 * *day->sunsetHours - h) < 0.3, qPrintable(QString::number(*day->sunsetHours)));
    }
    void polarNightLeftOut()
    {
        // No true noon above the horizon at 78 N in December.
        const auto days = orvane::sunYear(78, 15, 2027)();
        const std::vector<orvane::dial::SunDay> &year = *days;
        QVERIFY(std::none_of(year.begin(), year.end(), [](const auto &d) { return d.dayOfYear == 354; }));
        QVERIFY(year.size() > 200);
    }
};

QTEST_GUILESS_MAIN(tst_sun_year)
#include "tst_sun_year.moc"
