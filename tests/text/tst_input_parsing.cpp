// Reading the user's texts: the date test, the numeric test and conversion,
// the leading-number value and the range test built on them.
#include "text/input_parsing.h"

#include <QDate>
#include <QTest>

#include <cmath>
#include <limits>

using namespace orvane;

namespace {

// Texts are exact decimal inputs; 1e-12 relative covers the last bit of
// the binary conversion.
bool closeTo(double actual, double expected)
{
    return std::abs(actual - expected) <= 1e-12 * std::max(1.0, std::abs(expected));
}

} // namespace

class TestInputParsing : public QObject {
    Q_OBJECT
private slots:
    void dates_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected"); // invalid: refused

        const QDate june21(2027, 6, 21);
        const QDate refused;
        // The form the window asks for, in every locale.
        QTest::newRow("US m/d/yyyy") << "en_US"
                                     << "6/21/2027" << june21;
        QTest::newRow("US mm/dd/yyyy") << "en_US"
                                       << "06/21/2027" << june21;
        QTest::newRow("US blanks around") << "en_US"
                                          << "  6/21/2027\t " << june21;
        QTest::newRow("US m/d/yy 27 -> 2027") << "en_US"
                                              << "6/21/27" << june21;
        QTest::newRow("US m/d/yy 00 -> 2000") << "en_US"
                                              << "1/1/00" << QDate(2000, 1, 1);
        QTest::newRow("US m/d/yy 29 -> 2029") << "en_US"
                                              << "6/21/29" << QDate(2029, 6, 21);
        QTest::newRow("US m/d/yy 30 -> 1930") << "en_US"
                                              << "6/21/30" << QDate(1930, 6, 21);
        QTest::newRow("US m/d/yy 99 -> 1999") << "en_US"
                                              << "6/21/99" << QDate(1999, 6, 21);
        QTest::newRow("US ISO") << "en_US"
                                << "2027-06-21" << june21;
        QTest::newRow("US long form") << "en_US"
                                      << "Monday, June 21, 2027" << june21;
        QTest::newRow("US leap day 2028") << "en_US"
                                          << "2/29/2028" << QDate(2028, 2, 29);
        QTest::newRow("US year 100") << "en_US"
                                     << "1/1/100" << QDate(100, 1, 1);
        QTest::newRow("US year 9999") << "en_US"
                                      << "12/31/9999" << QDate(9999, 12, 31);
        QTest::newRow("US empty") << "en_US"
                                  << "" << refused;
        QTest::newRow("US blanks only") << "en_US"
                                        << "   " << refused;
        QTest::newRow("US 2/30/2027") << "en_US"
                                      << "2/30/2027" << refused;
        QTest::newRow("US 2/29/2027 not a leap year") << "en_US"
                                                      << "2/29/2027" << refused;
        QTest::newRow("US ISO 2027-02-30") << "en_US"
                                           << "2027-02-30" << refused;
        QTest::newRow("US year 99 written in full") << "en_US"
                                                    << "1/1/0099" << refused;
        QTest::newRow("US year 10000") << "en_US"
                                       << "1/1/10000" << refused;
        QTest::newRow("US month 13") << "en_US"
                                     << "13/1/2027" << refused;
        QTest::newRow("US wrong weekday") << "en_US"
                                          << "Tuesday, June 21, 2027" << refused;
        QTest::newRow("US no year") << "en_US"
                                    << "6/21" << refused;
        QTest::newRow("US words") << "en_US"
                                  << "tomorrow" << refused;
        QTest::newRow("US trailing text") << "en_US"
                                          << "6/21/2027x" << refused;

        // en_GB: a valid m/d reading wins, as the window asks for m/d.
        QTest::newRow("GB m/d/yyyy") << "en_GB"
                                     << "6/21/2027" << june21;
        QTest::newRow("GB ambiguous read as m/d") << "en_GB"
                                                  << "5/6/2027" << QDate(2027, 5, 6);
        QTest::newRow("GB own dd/MM/yyyy") << "en_GB"
                                           << "21/06/2027" << june21;
        QTest::newRow("GB own form, one-digit month") << "en_GB"
                                                      << "13/1/2027" << QDate(2027, 1, 13);
        QTest::newRow("GB 2/30/2027") << "en_GB"
                                      << "2/30/2027" << refused;
        QTest::newRow("GB 2/29/2027") << "en_GB"
                                      << "2/29/2027" << refused;
        QTest::newRow("GB 31/02/2027") << "en_GB"
                                       << "31/02/2027" << refused;

        QTest::newRow("DE dd.MM.yyyy") << "de_DE"
                                       << "21.06.2027" << june21;
        QTest::newRow("DE dd.MM.yy uses the same pivot") << "de_DE"
                                                         << "21.06.27" << june21;
        QTest::newRow("DE dd.MM.yy 35 -> 1935") << "de_DE"
                                                << "21.06.35" << QDate(1935, 6, 21);
        QTest::newRow("DE d.M.yyyy") << "de_DE"
                                     << "1.6.2027" << QDate(2027, 6, 1);
        QTest::newRow("DE long form") << "de_DE"
                                      << "Montag, 21. Juni 2027" << june21;
        QTest::newRow("DE m/d/yyyy") << "de_DE"
                                     << "6/21/2027" << june21;
        QTest::newRow("DE ISO") << "de_DE"
                                << "2027-06-21" << june21;
        QTest::newRow("DE 31.02.2027") << "de_DE"
                                       << "31.02.2027" << refused;
        QTest::newRow("DE 29.02.2027") << "de_DE"
                                       << "29.02.2027" << refused;
        QTest::newRow("DE year 50") << "de_DE"
                                    << "01.06.0050" << refused;
    }
    void dates()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        const auto value = parseDateText(text, QLocale(locale));
        if (!expected.isValid()) {
            QVERIFY2(!value, qPrintable(value.value_or(QDate()).toString(Qt::ISODate)));
            return;
        }
        QVERIFY(value);
        QCOMPARE(*value, expected);
    }

    void numbers_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<double>("value");

        QTest::newRow("US decimal point") << "en_US"
                                          << "40.655" << true << 40.655;
        QTest::newRow("US blanks around") << "en_US"
                                          << " 40.655 " << true << 40.655;
        QTest::newRow("US negative") << "en_US"
                                     << "-72.855" << true << -72.855;
        QTest::newRow("US plus sign") << "en_US"
                                      << "+5" << true << 5.0;
        QTest::newRow("US no leading digit") << "en_US"
                                             << ".5" << true << 0.5;
        QTest::newRow("US trailing point") << "en_US"
                                           << "5." << true << 5.0;
        QTest::newRow("US exponent") << "en_US"
                                     << "1e2" << true << 100.0;
        QTest::newRow("US underflow reads 0") << "en_US"
                                              << "1e-400" << true << 0.0;
        QTest::newRow("US comma is no grouping") << "en_US"
                                                 << "40,655" << false << 0.0;
        QTest::newRow("US grouped thousands") << "en_US"
                                              << "1,234.5" << false << 0.0;
        QTest::newRow("US empty") << "en_US"
                                  << "" << false << 0.0;
        QTest::newRow("US blank") << "en_US"
                                  << " " << false << 0.0;
        QTest::newRow("US point alone") << "en_US"
                                        << "." << false << 0.0;
        QTest::newRow("US sign alone") << "en_US"
                                       << "-" << false << 0.0;
        QTest::newRow("US blank inside") << "en_US"
                                         << "4 0" << false << 0.0;
        QTest::newRow("US trailing letters") << "en_US"
                                             << "12abc" << false << 0.0;
        QTest::newRow("US two points") << "en_US"
                                       << "1.2.3" << false << 0.0;
        QTest::newRow("US overflow") << "en_US"
                                     << "1e400" << false << 0.0;
        QTest::newRow("US negative overflow") << "en_US"
                                              << "-1e400" << false << 0.0;
        QTest::newRow("US many digits overflow") << "en_US" << QString(400, u'9') << false << 0.0;
        QTest::newRow("US inf") << "en_US"
                                << "inf" << false << 0.0;
        QTest::newRow("US Infinity") << "en_US"
                                     << "Infinity" << false << 0.0;
        QTest::newRow("US nan") << "en_US"
                                << "nan" << false << 0.0;
        QTest::newRow("US hex") << "en_US"
                                << "0x10" << false << 0.0;
        QTest::newRow("DE decimal comma") << "de_DE"
                                          << "40,655" << true << 40.655;
        QTest::newRow("DE decimal point too") << "de_DE"
                                              << "40.655" << true << 40.655;
        QTest::newRow("DE negative comma") << "de_DE"
                                           << "-72,855" << true << -72.855;
        QTest::newRow("DE grouped thousands") << "de_DE"
                                              << "1.234,5" << false << 0.0;
        QTest::newRow("DE two commas") << "de_DE"
                                       << "1,2,3" << false << 0.0;
        QTest::newRow("SV own minus sign") << "sv_SE" << QString::fromUtf8("\u22125,5") << true << -5.5;
    }
    void numbers()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QFETCH(double, value);
        const auto converted = convertNumberText(text, QLocale(locale));
        QCOMPARE(converted.has_value(), numeric);
        if (numeric)
            QVERIFY2(closeTo(*converted, value), qPrintable(QString::number(*converted, 'g', 17)));
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const double huge = std::numeric_limits<double>::max();
        QTest::newRow("blanks inside skipped") << " 4 0.6x" << 40.6;
        QTest::newRow("tab and line feed skipped") << "\t1\n2" << 12.0;
        QTest::newRow("carriage return stops") << "\r5" << 0.0;
        QTest::newRow("comma stops") << "40,655" << 40.0;
        QTest::newRow("German 90,5 reads 90") << "90,5" << 90.0;
        QTest::newRow("sign and fraction") << "-12.5abc" << -12.5;
        QTest::newRow("blank after sign") << "- 3" << -3.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("no leading digit") << ".5" << 0.5;
        QTest::newRow("exponent") << "1e2x" << 100.0;
        QTest::newRow("exponent without digits") << "1e" << 1.0;
        QTest::newRow("exponent sign without digits") << "1e+" << 1.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("two signs") << "+-5" << 0.0;
        QTest::newRow("overflow is huge") << "1e400" << huge;
        QTest::newRow("negative overflow is -huge") << "-1e400" << -huge;
        QTest::newRow("many digits overflow") << QString(400, u'9') << huge;
        QTest::newRow("underflow is 0") << "1e-400" << 0.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        const double actual = leadingNumberValue(text);
        QVERIFY(std::isfinite(actual));
        QVERIFY2(closeTo(actual, value), qPrintable(QString::number(actual, 'g', 17)));
    }

    void inRange_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("bound");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("90 passes") << "en_US"
                                   << "90" << 90.0 << true;
        QTest::newRow("-90 passes") << "en_US"
                                    << "-90" << 90.0 << true;
        QTest::newRow("90.0001 fails") << "en_US"
                                       << "90.0001" << 90.0 << false;
        QTest::newRow("abc fails") << "en_US"
                                   << "abc" << 90.0 << false;
        QTest::newRow("empty fails") << "en_US"
                                     << "" << 90.0 << false;
        QTest::newRow("180 passes") << "en_US"
                                    << "180" << 180.0 << true;
        QTest::newRow("180.5 fails") << "en_US"
                                     << "180.5" << 180.0 << false;
        QTest::newRow("US 40,655 fails") << "en_US"
                                         << "40,655" << 90.0 << false;
        QTest::newRow("DE 40,655 passes") << "de_DE"
                                          << "40,655" << 90.0 << true;
        QTest::newRow("DE 90,5 fails on the converted value") << "de_DE"
                                                              << "90,5" << 90.0 << false;
        QTest::newRow("DE -90,5 fails on the converted value") << "de_DE"
                                                               << "-90,5" << 90.0 << false;
        QTest::newRow("exponent beyond bound fails") << "en_US"
                                                     << "1e2" << 90.0 << false;
        QTest::newRow("exponent within bound passes") << "en_US"
                                                      << "1e1" << 90.0 << true;
        QTest::newRow("overflow fails") << "en_US"
                                        << "1e400" << 180.0 << false;
    }
    void inRange()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(double, bound);
        QFETCH(bool, accepted);
        QCOMPARE(orvane::inRange(text, bound, QLocale(locale)), accepted);
    }
};

QTEST_GUILESS_MAIN(TestInputParsing)
#include "tst_input_parsing.moc"
