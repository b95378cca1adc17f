// Date values and the day count from 1 January 1900.
#include "calc/date_value.h"

#include <QTest>

using namespace orvane;

class TestDateValue : public QObject {
    Q_OBJECT
private slots:
    void serial_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("serial");
        QTest::addColumn<qlonglong>("daysFrom1900");
        // Serials: the date type's epoch is 30 December 1899 (serial 0).
        QTest::newRow("epoch") << 1899 << 12 << 30 << 0.0 << -2LL;
        QTest::newRow("1 Jan 1900") << 1900 << 1 << 1 << 2.0 << 0LL;
        QTest::newRow("1900 is not leap: 1 Mar") << 1900 << 3 << 1 << 61.0 << 59LL;
        // N = 45462 for 21 June 2024 is the worked value of the ephemeris.
        QTest::newRow("21 June 2024") << 2024 << 6 << 21 << 45464.0 << 45462LL;
        QTest::newRow("leap day 2000") << 2000 << 2 << 29 << 36585.0 << 36583LL;
        QTest::newRow("before 1900") << 1850 << 6 << 1 << -18109.0 << -18111LL;
        // The date type's documented range ends: 1 Jan 100 and 31 Dec 9999.
        QTest::newRow("year 100") << 100 << 1 << 1 << -657434.0 << -657436LL;
        QTest::newRow("year 9999") << 9999 << 12 << 31 << 2958465.0 << 2958463LL;
    }
    void serial()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(double, serial);
        QFETCH(qlonglong, daysFrom1900);
        QCOMPARE(dateSerial(year, month, day), serial);
        QCOMPARE(orvane::daysFrom1900(serial), daysFrom1900);
        int y = 0, m = 0, d = 0;
        dateParts(serial, y, m, d);
        QCOMPARE(y, year);
        QCOMPARE(m, month);
        QCOMPARE(d, day);
    }

    void timeOfDayDoesNotCount()
    {
        QCOMPARE(daysFrom1900(45464.75), 45462LL);
        // Before the epoch the day is the whole part toward zero.
        QCOMPARE(daysFrom1900(-1.25), -3LL);
    }

    void validity_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("valid");
        QTest::newRow("29 Feb leap") << 2024 << 2 << 29 << true;
        QTest::newRow("29 Feb common") << 2027 << 2 << 29 << false;
        QTest::newRow("30 Feb") << 2027 << 2 << 30 << false;
        QTest::newRow("29 Feb 1900") << 1900 << 2 << 29 << false;
        QTest::newRow("29 Feb 2000") << 2000 << 2 << 29 << true;
        QTest::newRow("31 Apr") << 2027 << 4 << 31 << false;
        QTest::newRow("month 13") << 2027 << 13 << 1 << false;
        QTest::newRow("day 0") << 2027 << 1 << 0 << false;
        QTest::newRow("year 99") << 99 << 1 << 1 << false;
        QTest::newRow("year 10000") << 10000 << 1 << 1 << false;
        // The date type's documented range ends: 1 Jan 100 and 31 Dec 9999.
        QTest::newRow("year 100") << 100 << 1 << 1 << true;
    }
    void validity()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(bool, valid);
        QCOMPARE(isValidDate(year, month, day), valid);
    }
};

QTEST_APPLESS_MAIN(TestDateValue)
#include "tst_date_value.moc"
