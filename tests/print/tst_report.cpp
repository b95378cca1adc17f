// The report's text and the page it paints, read back from a PDF file.
#include "print/report.h"
#include "support/pdf_text.h"
#include "support/worked_examples.h"
#include "text/report_wrap.h"
#include "text/web_addresses.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace orvane;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// What the report prints for a calculation: the worked examples' texts.
enum Example { June, December };
QString resultOf(Example e) { return e == June ? test::juneResultUs() : test::decemberResultUs(); }

ReportInputs inputs(double lat, double lon, bool west, bool standard, Example e)
{
    ReportInputs in;
    in.latitude = lat;
    in.longitude = lon;
    in.west = west;
    in.standardTime = standard;
    in.date = e == June ? QDate(2027, 6, 21) : QDate(2027, 12, 21);
    in.crossings = test::exampleCrossings(in.date.year(), in.date.month(), in.date.day(), e == June);
    return in;
}

// The printed lines of a text, as pdftotext gives them back (empty lines dropped).
QStringList textLines(const QString &text) { return test::nonEmpty(text.split(kCrLf)); }

QString header() { return QStringLiteral("Orvane\r\nTarnwick LLC, ") + QString::fromLatin1(kMakerAddress); }

QString writePdf(const QTemporaryDir &dir, const ReportInputs &in, const QPageSize &paper,
                 QPageLayout::Orientation orientation, bool *ok)
{
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(paper);
    printer.setPageOrientation(orientation);
    *ok = paintReport(printer, in);
    return path;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void siteLine_data();
    void siteLine();
    void numberText_data();
    void numberText();
    void wrap_data();
    void wrap();
    void pdfPage_data();
    void pdfPage();
    void longLinesWrapInsideThePage();
    void headerIs16PointRestIs11Point();
    void unwritableFileReportsFailure();
};

void TestReport::siteLine_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<bool>("west");
    QTest::addColumn<bool>("standard");
    QTest::addColumn<QString>("expected");

    QTest::newRow("en_US June example, west, daylight")
        << "en_US" << 40.655 << -72.855 << true << false
        << "Latitude 40.655 North, Longitude 72.855 West, Daylight Savings Time";
    QTest::newRow("latitude 0 takes North") << "en_US" << 0.0 << -72.855 << true << false
                                            << "Latitude 0 North, Longitude 72.855 West, Daylight Savings Time";
    QTest::newRow("negative zero latitude reads 0 North")
        << "en_US" << -0.0 << 10.0 << false << true << "Latitude 0 North, Longitude 10 East, Standard Time";
    QTest::newRow("latitude -33.9 reads 33.9 South")
        << "en_US" << -33.9 << 151.2 << false << true << "Latitude 33.9 South, Longitude 151.2 East, Standard Time";
    QTest::newRow("West from the option with a positive longitude")
        << "en_US" << 10.0 << 5.5 << true << true << "Latitude 10 North, Longitude 5.5 West, Standard Time";
    QTest::newRow("East from the option with a negative longitude")
        << "en_US" << 10.0 << -5.5 << false << false << "Latitude 10 North, Longitude 5.5 East, Daylight Savings Time";
    QTest::newRow("longitude 0 with East")
        << "en_US" << 51.5 << 0.0 << false << true << "Latitude 51.5 North, Longitude 0 East, Standard Time";
    QTest::newRow("extremes, no grouping or trailing zeros")
        << "en_US" << -90.0 << -180.0 << true << true << "Latitude 90 South, Longitude 180 West, Standard Time";
    QTest::newRow("de_DE decimal comma") << "de_DE" << 40.655 << -72.855 << true << false
                                         << "Latitude 40,655 North, Longitude 72,855 West, Daylight Savings Time";
    QTest::newRow("de_DE south, east, standard")
        << "de_DE" << -33.9 << 18.42 << false << true << "Latitude 33,9 South, Longitude 18,42 East, Standard Time";
}

void TestReport::siteLine()
{
    QFETCH(QString, locale);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(bool, west);
    QFETCH(bool, standard);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(reportSiteLine(inputs(latitude, longitude, west, standard, June), QLocale()), expected);
}

void TestReport::numberText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    // Expected texts: the default double-to-text conversion rule (15
    // significant digits, shortest form), worked by hand.
    QTest::newRow("whole number") << "en_US" << 72.0 << "72";
    QTest::newRow("zero") << "en_US" << 0.0 << "0";
    QTest::newRow("three decimals") << "en_US" << 40.655 << "40.655";
    QTest::newRow("binary noise stays hidden at 15 digits") << "en_US" << 0.1 + 0.2 << "0.3";
    QTest::newRow("100/3 rounded to 15 significant digits") << "en_US" << 100.0 / 3.0 << "33.3333333333333";
    QTest::newRow("no grouping en_US") << "en_US" << 12345.5 << "12345.5";
    QTest::newRow("no grouping de_DE") << "de_DE" << 12345.5 << "12345,5";
    QTest::newRow("fr_FR decimal comma") << "fr_FR" << 33.9 << "33,9";
}

void TestReport::numberText()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(reportNumberText(value, QLocale(locale)), expected);
}

void TestReport::wrap_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<double>("width");
    QTest::addColumn<QStringList>("expected");

    // Width counted in characters here, so every row can be checked by eye.
    QTest::newRow("fits unchanged") << "abc def" << 7.0 << QStringList{"abc def"};
    QTest::newRow("empty line stays a line") << "" << 5.0 << QStringList{""};
    QTest::newRow("breaks at the last blank that fits") << "aaa bbb ccc" << 7.0 << QStringList{"aaa bbb", "ccc"};
    QTest::newRow("several breaks") << "aa bb cc dd ee" << 5.0 << QStringList{"aa bb", "cc dd", "ee"};
    QTest::newRow("a word wider than the page is cut") << "abcdefghij" << 4.0 << QStringList{"abcd", "efgh", "ij"};
    QTest::newRow("an overlong word after a short one") << "ab cdefghij" << 4.0 << QStringList{"ab", "cdef", "ghij"};
}

void TestReport::wrap()
{
    QFETCH(QString, line);
    QFETCH(double, width);
    QFETCH(QStringList, expected);
    const auto count = [](const QString &s) { return qreal(s.size()); };
    QCOMPARE(wrapReportLine(line, width, count), expected);
}

void TestReport::pdfPage_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<bool>("west");
    QTest::addColumn<bool>("standard");
    QTest::addColumn<int>("example");
    QTest::addColumn<QString>("siteLine");

    QTest::newRow("June example, west, daylight")
        << 40.655 << -72.855 << true << false << int(June)
        << "Latitude 40.655 North, Longitude 72.855 West, Daylight Savings Time";
    QTest::newRow("latitude 0 reads 0 North")
        << 0.0 << -72.855 << true << true << int(June) << "Latitude 0 North, Longitude 72.855 West, Standard Time";
    QTest::newRow("latitude -33.9 reads 33.9 South")
        << -33.9 << 151.2 << false << true << int(June) << "Latitude 33.9 South, Longitude 151.2 East, Standard Time";
    QTest::newRow("West from the option, positive longitude")
        << 10.0 << 5.5 << true << false << int(June) << "Latitude 10 North, Longitude 5.5 West, Daylight Savings Time";
    QTest::newRow("result ending with the west never-seen sentence")
        << 40.655 << -72.855 << true << true << int(December)
        << "Latitude 40.655 North, Longitude 72.855 West, Standard Time";
}

void TestReport::pdfPage()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(bool, west);
    QFETCH(bool, standard);
    QFETCH(int, example);
    const QString result = resultOf(Example(example));
    QFETCH(QString, siteLine);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    bool ok = false;
    // Paper wide enough that no line needs wrapping: the page reads line for line.
    const QString pdf = writePdf(dir, inputs(latitude, longitude, west, standard, Example(example)),
                                 QPageSize(QPageSize::A3), QPageLayout::Landscape, &ok);
    QVERIFY(ok);
    QCOMPARE(test::pdfPageCount(pdf), 1);

    QString error;
    const QStringList printed = test::pdfLines(pdf, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QStringList expected = textLines(header()) + QStringList{siteLine} + textLines(result);
    QCOMPARE(printed, expected);
}

void TestReport::longLinesWrapInsideThePage()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    bool ok = false;
    // A6 portrait leaves about 270 points per line: every event line is wider.
    const QString pdf =
        writePdf(dir, inputs(40.655, -72.855, true, false, June), QPageSize(QPageSize::A6), QPageLayout::Portrait, &ok);
    QVERIFY(ok);
    QCOMPARE(test::pdfPageCount(pdf), 1);

    QString error;
    const QList<test::PdfWord> words = test::pdfWords(pdf, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!words.isEmpty());
    QStringList printedWords;
    for (const test::PdfWord &w : words) {
        QVERIFY2(w.xMax <= w.pageWidth + 0.5, qPrintable(QStringLiteral("\"%1\" ends at %2 pt, beyond the page's %3 pt")
                                                             .arg(w.text)
                                                             .arg(w.xMax)
                                                             .arg(w.pageWidth)));
        printedWords << w.text;
    }
    const QString all = header() + kCrLf +
                        QStringLiteral("Latitude 40.655 North, Longitude 72.855 West, Daylight Savings Time") + kCrLf +
                        resultOf(June);
    const QStringList expectedWords = all.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    QCOMPARE(printedWords, expectedWords);
    // Wrapping really happened: more printed lines than the text has.
    QVERIFY(test::pdfLines(pdf).size() > textLines(all).size());
}

void TestReport::headerIs16PointRestIs11Point()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    bool ok = false;
    const QString pdf = writePdf(dir, inputs(40.655, -72.855, true, false, June), QPageSize(QPageSize::A3),
                                 QPageLayout::Landscape, &ok);
    QVERIFY(ok);
    const QList<test::PdfWord> words = test::pdfWords(pdf);
    QVERIFY(words.size() > 4);
    // pdftotext's word box is ascent + descent of the font: 0.905 + 0.212 em
    // for Liberation Sans and Arial (their hhea metrics). 0.3 pt tolerance.
    constexpr double kBoxPerPoint = 0.905 + 0.212;
    const int headerWords = 1 + 3; // "Orvane", "Tarnwick LLC, <address>"
    for (int i = 0; i < words.size(); ++i) {
        const double expected = i < headerWords ? 16.0 : 11.0;
        QVERIFY2(std::abs(words[i].height / kBoxPerPoint - expected) < 0.3,
                 qPrintable(QStringLiteral("\"%1\" is %2 pt, not %3")
                                .arg(words[i].text)
                                .arg(words[i].height / kBoxPerPoint)
                                .arg(expected)));
    }
}

void TestReport::unwritableFileReportsFailure()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/nonexistent-folder/report.pdf"));
    QVERIFY(!paintReport(printer, inputs(0, 0, false, true, June)));
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
