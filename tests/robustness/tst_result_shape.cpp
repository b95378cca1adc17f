// The fuzzer's and the sweep's check of a result text must catch each
// fault it is there for; otherwise a clean run proves nothing.

#include "support/result_shape.h"

#include <QTest>

using orvane::robustness::resultTextProblems;

namespace {

// The worked June example of the program's documentation (US English).
const QString kSummer = QStringLiteral(
    "Monday, June 21, 2027\r\n"
    "The sun will be exactly east at 8:54:27 AM (declination=23.44 degrees, EoT = MINUS 1 minutes, 47 seconds)\r\n"
    "\r\n"
    "The sun will be exactly south at 12:53:14 PM (declination=23.44 degrees, EoT = MINUS 1 minutes, 49 seconds)\r\n"
    "\r\n"
    "The sun will be exactly west at 4:52:00 PM (declination=23.44 degrees, EoT = MINUS 1 minutes, 51 seconds)\r\n"
    "\r\n");
// The worked December example: never east, never west.
const QString kWinter = QStringLiteral(
    "Tuesday, December 21, 2027\r\n"
    "The sun is never seen east at this location and date\r\n"
    "\r\n"
    "The sun will be exactly south at 11:49:28 AM (declination=-23.43 degrees, EoT = 1 minutes, 57 seconds)\r\n"
    "\r\n"
    "The sun is never seen west at this location and date");

QString replaced(QString text, const QString &from, const QString &to) { return text.replace(from, to); }

} // namespace

class TestResultShape : public QObject {
    Q_OBJECT

private slots:
    void shape_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("sound");

        QTest::newRow("summer example") << "en_US" << kSummer << true;
        QTest::newRow("winter example") << "en_US" << kWinter << true;
        QTest::newRow("arabic digits and minus sign")
            << "ar_EG"
            << replaced(kWinter, QStringLiteral("-23.43"), QStringLiteral("\u061c-\u0662\u0663\u066b\u0664\u0663"))
            << true;
        QTest::newRow("date before the time")
            << "en_US" << replaced(kSummer, QStringLiteral("at 8:54:27 AM"), QStringLiteral("at 12/31/1899 8:54:27 AM"))
            << false;
        QTest::newRow("date alone instead of a time")
            << "en_US" << replaced(kSummer, QStringLiteral("at 8:54:27 AM"), QStringLiteral("at 12/31/1899")) << false;
        QTest::newRow("60 seconds") << "en_US"
                                    << replaced(kSummer, QStringLiteral("47 seconds"), QStringLiteral("60 seconds"))
                                    << false;
        QTest::newRow("nan declination") << "en_US"
                                         << replaced(kSummer, QStringLiteral("=23.44"), QStringLiteral("=nan"))
                                         << false;
        QTest::newRow("infinite minutes")
            << "en_US" << replaced(kWinter, QStringLiteral("EoT = 1 minutes"), QStringLiteral("EoT = inf minutes"))
            << false;
        QTest::newRow("seconds in the clock time 60")
            << "en_US" << replaced(kSummer, QStringLiteral("4:52:00 PM"), QStringLiteral("4:52:60 PM")) << false;
        QTest::newRow("west line without its line breaks") << "en_US" << kSummer.chopped(4) << false;
        QTest::newRow("north line where east belongs")
            << "en_US" << replaced(kSummer, QStringLiteral("exactly east"), QStringLiteral("exactly north")) << false;
        QTest::newRow("declination beyond the sun's reach")
            << "en_US" << replaced(kWinter, QStringLiteral("-23.43"), QStringLiteral("-123.43")) << false;
    }

    void shape()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, sound);
        const QStringList problems = resultTextProblems(text, QLocale(locale));
        QVERIFY2(problems.isEmpty() == sound, qPrintable(problems.join(QStringLiteral("; "))));
    }
};

QTEST_GUILESS_MAIN(TestResultShape)
#include "tst_result_shape.moc"
