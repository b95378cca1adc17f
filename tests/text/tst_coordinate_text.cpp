// Reading coordinates as pasted: the forms read, the texts refused, pairs.
// Reference values are worked by hand: 40°39'18" = 40 + 39/60 + 18/3600 =
// 40 + 0.65 + 0.005 = 40.655, 72°51'18" = 72.855, 39.3' = 0.655 degree,
// 18.5" = 18/3600 + 0.5/3600 = 0.0051388... degree. Tolerance 1e-9 degree.
#include "support/near.h"
#include "text/coordinate_text.h"
#include "text/input_parsing.h"

#include <QTest>

using namespace orvane;

namespace {

constexpr double kTolerance = 1e-9;
constexpr auto kLat = CoordinateAxis::Latitude;
constexpr auto kLon = CoordinateAxis::Longitude;

void addRow(const char *name, const char *text, CoordinateAxis axis, double degrees, bool hemisphereGiven,
            const char *locale = "en_US")
{
    QTest::newRow(name) << QString::fromUtf8(text) << axis << degrees << hemisphereGiven << QString::fromLatin1(locale);
}

void addRefused(const char *name, const char *text, CoordinateAxis axis, const char *locale = "en_US")
{
    QTest::newRow(name) << QString::fromUtf8(text) << axis << QString::fromLatin1(locale);
}

void addPair(const char *name, const char *text, double latitude, double longitude, const char *locale = "en_US")
{
    QTest::newRow(name) << QString::fromUtf8(text) << latitude << longitude << QString::fromLatin1(locale);
}

} // namespace

class TestCoordinateText : public QObject {
    Q_OBJECT
private slots:
    void read_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<CoordinateAxis>("axis");
        QTest::addColumn<double>("degrees");
        QTest::addColumn<bool>("hemisphereGiven");
        QTest::addColumn<QString>("locale");
        addRow("letter after", "40.655N", kLat, 40.655, true);
        addRow("letter before, blank", "N 40.655", kLat, 40.655, true);
        addRow("lower-case letter before", "n40.655", kLat, 40.655, true);
        addRow("west after a blank", "72.855 W", kLon, -72.855, true);
        addRow("south with degree mark", "40.655° s", kLat, -40.655, true);
        addRow("east", "72.855e", kLon, 72.855, true);
        addRow("decimal minutes, blanks", "40 39.3 N", kLat, 40.655, true);
        addRow("decimal minutes, marks", "40° 39.3' N", kLat, 40.655, true);
        addRow("decimal minutes, no blanks", "40°39.3'N", kLat, 40.655, true);
        addRow("seconds, ASCII marks", "40°39'18\"N", kLat, 40.655, true);
        addRow("seconds, blanks only", "40 39 18 N", kLat, 40.655, true);
        addRow("seconds, primes", "40°39′18″N", kLat, 40.655, true);
        addRow("seconds, typographic quotes", "72°51’18”W", kLon, -72.855, true);
        addRow("seconds, two apostrophes", "72°51'18''W", kLon, -72.855, true);
        addRow("decimal seconds", "40°39'18.5\"N", kLat, 40.655 + 0.5 / 3600, true);
        addRow("minus, degrees and seconds", "-72 51 18", kLon, -72.855, true);
        addRow("minus below one degree", "-0 30", kLat, -0.5, true);
        addRow("degrees and minutes, no side", "40 39", kLat, 40.65, false);
        addRow("decimal comma with letter", "40,655N", kLat, 40.655, true, "de_DE");
        addRow("decimal comma minutes", "40 39,3 N", kLat, 40.655, true, "de_DE");
        addRow("out of range is not wrapped", "200°30'E", kLon, 200.5, true);
    }
    void read()
    {
        QFETCH(QString, text);
        QFETCH(CoordinateAxis, axis);
        QFETCH(double, degrees);
        QFETCH(bool, hemisphereGiven);
        QFETCH(QString, locale);
        const auto value = readCoordinate(text, axis, QLocale(locale));
        QVERIFY(value);
        CHECK_NEAR(value->degrees, degrees, kTolerance);
        QCOMPARE(value->hemisphereGiven, hemisphereGiven);
        QVERIFY(!value->plain);
    }

    // Every plain number keeps exactly the value the numeric test gives it.
    void plain_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locale");
        for (const char *t : {"40.655", "-72.855", " +5 ", "1e2", ".5", "-0"})
            QTest::newRow(t) << QString::fromLatin1(t) << QStringLiteral("en_US");
        QTest::newRow("DE comma") << QStringLiteral("40,655") << QStringLiteral("de_DE");
        QTest::newRow("SV own minus") << QStringLiteral("\u22125,5") << QStringLiteral("sv_SE");
    }
    void plain()
    {
        QFETCH(QString, text);
        QFETCH(QString, locale);
        const auto value = readCoordinate(text, kLon, QLocale(locale));
        QVERIFY(value && value->plain);
        QCOMPARE(value->degrees, *convertNumberText(text, QLocale(locale)));
        QCOMPARE(value->hemisphereGiven, text.contains(u'-') || text.contains(u'\u2212'));
    }

    void refused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<CoordinateAxis>("axis");
        QTest::addColumn<QString>("locale");
        addRefused("empty", "", kLat);
        addRefused("letter alone", "N", kLat);
        addRefused("longitude letter on a latitude", "40.655E", kLat);
        addRefused("latitude letter on a longitude", "72.855 N", kLon);
        addRefused("minus with its own letter", "-72.855W", kLon);
        addRefused("minus with the other letter", "-40.655N", kLat);
        addRefused("letter then minus", "S -40.655", kLat);
        addRefused("plus with letter", "+40.655N", kLat);
        addRefused("letters both sides", "N40.655S", kLat);
        addRefused("letter doubled", "40°39'18\"NN", kLat);
        addRefused("two decimal points", "40.6.55", kLat);
        addRefused("60 minutes", "40 60 N", kLat);
        addRefused("60 seconds", "40 39 60 N", kLat);
        addRefused("60.0 seconds", "40 39 60.0 N", kLat);
        addRefused("negative minutes", "40 -39 N", kLat);
        addRefused("fractional degrees before minutes", "40.5 30 N", kLat);
        addRefused("fractional minutes before seconds", "40 39.3 18 N", kLat);
        addRefused("four parts", "40 39 18 5 N", kLat);
        addRefused("minute mark on degrees", "40'39°N", kLat);
        addRefused("second mark on minutes", "40°39\"N", kLat);
        addRefused("decimal comma outside its locale", "40,655N", kLat);
        addRefused("grouping", "1.234,5 E", kLon, "de_DE");
        addRefused("overflowing degrees", "1e400", kLat);
        addRefused("trailing word", "40.655 North", kLat);
    }
    void refused()
    {
        QFETCH(QString, text);
        QFETCH(CoordinateAxis, axis);
        QFETCH(QString, locale);
        const auto value = readCoordinate(text, axis, QLocale(locale));
        QVERIFY2(!value, qPrintable(QString::number(value ? value->degrees : 0, 'g', 17)));
    }

    void pairs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("latitude"); // NaN: refused
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("locale");
        const double no = qQNaN();
        addPair("comma and blank", "40.655, -72.855", 40.655, -72.855);
        addPair("comma alone", "40.655,-72.855", 40.655, -72.855);
        addPair("comma between points", "40.655,72.855", 40.655, 72.855);
        addPair("blank", "40.655 -72.855", 40.655, -72.855);
        addPair("seconds with letters", "40°39'18\"N 72°51'18\"W", 40.655, -72.855);
        addPair("blanks only with letters", "40 39 18 N 72 51 18 W", 40.655, -72.855);
        addPair("letters before", "N 40.655 W 72.855", 40.655, -72.855);
        addPair("letters after, comma", "40.655N, 72.855W", 40.655, -72.855);
        addPair("letters, nothing between", "40.655N72.855W", 40.655, -72.855);
        addPair("longitude first with letters", "72.855 W 40.655 N", 40.655, -72.855);
        addPair("minutes only, blanks", "40 39 72 51", 40.65, 72.85);
        addPair("DE semicolon", "40,655; -72,855", 40.655, -72.855, "de_DE");
        addPair("DE comma and blank", "40,655, -72,855", 40.655, -72.855, "de_DE");
        addPair("DE blank", "40,655 -72,855", 40.655, -72.855, "de_DE");
        addPair("DE one number", "40,655", no, no, "de_DE");
        addPair("US decimal comma is no pair", "40,65", no, no);
        addPair("one coordinate", "40 39", no, no);
        addPair("longitude first without letters", "-100.5 -40.655", no, no);
        addPair("latitude out of range", "91, 10", no, no);
        addPair("split two ways", "10 20 30 40", no, no);
        addPair("second half missing", "40.655,", no, no);
        addPair("both latitudes", "40.655N 10.5S", no, no);
    }
    void pairs()
    {
        QFETCH(QString, text);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QString, locale);
        const auto pair = readCoordinatePair(text, QLocale(locale));
        QCOMPARE(pair.has_value(), !qIsNaN(latitude));
        if (!pair)
            return;
        CHECK_NEAR(pair->latitude.degrees, latitude, kTolerance);
        CHECK_NEAR(pair->longitude.degrees, longitude, kTolerance);
    }
};

QTEST_GUILESS_MAIN(TestCoordinateText)
#include "tst_coordinate_text.moc"
