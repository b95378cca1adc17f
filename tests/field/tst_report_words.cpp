// A report's values in words: what every answer writes them through.
#include "field/report_words.h"

#include <QtTest>

using orvane::dial::Value;

Q_DECLARE_METATYPE(Value)

class tst_report_words : public QObject {
    Q_OBJECT
private slots:
    void inWords_data()
    {
        QTest::addColumn<Value>("value");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("german");
        std::vector<Value> twelve;
        for (int i = 1; i <= 12; ++i)
            twelve.push_back(Value::word(std::string(1, char('a' + i - 1))));
        QTest::newRow("%1 does not take the start of %12")
            << Value::words("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11 %12", twelve) << "a b c d e f g h i j k l"
            << "a b c d e f g h i j k l";
        QTest::newRow("a value's own words are not read again")
            << Value::words("%1, %2", {Value::word("100%2"), Value::word("b")}) << "100%2, b"
            << "100%2, b";
        QTest::newRow("a negative that rounds to zero loses its sign") << Value::num(-0.004, 2) << "0.00"
                                                                       << "0,00";
        QTest::newRow("signed above zero") << Value::num(1.24, 1, Value::Form::Signed) << "+1.2"
                                           << "+1,2";
        QTest::newRow("metres signed: under half a centimetre is zero, unsigned")
            << Value::num(0.004, 2, Value::Form::MetresSigned) << "0.00"
            << "0,00";
        QTest::newRow("metres signed: a centimetre north") << Value::num(0.01, 2, Value::Form::MetresSigned) << "+0.01"
                                                           << "+0,01";
        QTest::newRow("a height rounds up to the centimetre") << Value::num(2.403, 2, Value::Form::MetresUp) << "2.41"
                                                              << "2,41";
        QTest::newRow("words inside words")
            << Value::words("at %1", {Value::words("(%1, %2)", {Value::num(1.5, 1), Value::num(-2, 1)})})
            << "at (1.5, -2.0)"
            << "at (1,5, -2,0)";
    }
    void inWords()
    {
        QFETCH(Value, value);
        QFETCH(QString, c);
        QFETCH(QString, german);
        QCOMPARE(orvane::valueText(value, QLocale::c()), c);
        QCOMPARE(orvane::valueText(value, QLocale(QLocale::German, QLocale::Germany)), german);
    }
};

QTEST_GUILESS_MAIN(tst_report_words)
#include "tst_report_words.moc"
