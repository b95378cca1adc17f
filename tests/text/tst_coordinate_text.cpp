// Reading coordinates as pasted. Reference values worked by hand:
// 40°39'18" = 40 + 39/60 + 18/3600 = 40 + 0.65 + 0.005 = 40.655, likewise
// 72°51'18" = 72.855 and 39.3' = 0.655 degree; 18.5" adds 0.5/3600 degree.
// Tolerance 1e-9 degree. A NaN expectation means the text is refused.
#include "support/near.h"
#include "text/coordinate_text.h"
#include "text/input_parsing.h"

#include <QRegularExpression>
#include <QTest>

using namespace orvane;

namespace {

constexpr double kTolerance = 1e-9;
const double kNo = qQNaN();
constexpr auto kLat = CoordinateAxis::Latitude;
constexpr auto kLon = CoordinateAxis::Longitude;

void addRow(const char *name, const char *text, CoordinateAxis axis, double degrees)
{
    QTest::newRow(name) << QString::fromUtf8(text) << axis << degrees;
}

void addPair(const char *name, const char *text, double latitude, double longitude, const char *locale = "en_US")
{
    QTest::newRow(name) << QString::fromUtf8(text) << latitude << longitude << QString::fromLatin1(locale);
}

} // namespace

class TestCoordinateText : public QObject {
    Q_OBJECT
private slots:
    // In de_DE, where both "." and "," are decimal separators.
    void read_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<CoordinateAxis>("axis");
        QTest::addColumn<double>("degrees");
        addRow("lower-case letter before", "n40.655", kLat, 40.655);
        addRow("west after a blank, degree mark", "72.855° W", kLon, -72.855);
        addRow("decimal minutes, letter after", "40°39,3' s", kLat, -40.655);
        addRow("seconds, primes", "40° 39′ 18″ N", kLat, 40.655);
        addRow("seconds, typographic quotes", "72°51’18”W", kLon, -72.855);
        addRow("seconds, two apostrophes", "72°51'18''W", kLon, -72.855);
        addRow("decimal seconds, letter before", "N40°39'18.5\"", kLat, 40.655 + 0.5 / 3600);
        addRow("minus below one degree", "-0 30", kLat, -0.5);
        addRow("degrees and minutes, no side", "40 39", kLat, 40.65);
        addRow("out of range is not wrapped", "200°30'E", kLon, 200.5);

        addRow("refused: longitude letter on a latitude", "40.655E", kLat, kNo);
        addRow("refused: latitude letter on a longitude", "72.855 N", kLon, kNo);
        addRow("refused: minus with its own letter", "-72.855W", kLon, kNo);
        addRow("refused: letter doubled", "40°39'18\"NN", kLat, kNo);
        addRow("refused: two decimal points", "40.6.55", kLat, kNo);
        addRow("refused: 60.0 seconds", "40 59 60.0 N", kLat, kNo);
        addRow("refused: negative minutes", "40 -39", kLat, kNo);
        addRow("refused: fractional degrees before minutes", "40.5 30 N", kLat, kNo);
        addRow("refused: four parts", "40 39 18 5 N", kLat, kNo);
        addRow("refused: second mark on minutes", "40°39\"N", kLat, kNo);
    }
    void read()
    {
        QFETCH(QString, text);
        QFETCH(CoordinateAxis, axis);
        QFETCH(double, degrees);
        const auto value = readCoordinate(text, axis, QLocale(QStringLiteral("de_DE")));
        QCOMPARE(value.has_value(), !qIsNaN(degrees));
        if (value) {
            CHECK_NEAR(value->degrees, degrees, kTolerance);
            QVERIFY(!value->plain);
            QCOMPARE(value->hemisphereGiven, text.contains(QRegularExpression(QStringLiteral("[-nsewNSEW]"))));
        }
    }

    // Every plain number keeps exactly the value the numeric test gives it.
    void plain()
    {
        const QLocale de(QStringLiteral("de_DE"));
        for (const char *t : {"40.655", "-72.855", " +5 ", "1e2", "-0", "40,655"}) {
            const auto value = readCoordinate(QString::fromLatin1(t), kLon, de);
            QVERIFY2(value && value->plain && value->hemisphereGiven == (t[0] == '-'), t);
            QCOMPARE(value->degrees, *convertNumberText(QString::fromLatin1(t), de));
        }
    }

    void pairs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("locale");
        addPair("comma and blank", "40.655, -72.855", 40.655, -72.855);
        addPair("comma between points", "40.655,72.855", 40.655, 72.855);
        addPair("seconds with letters", "40°39'18\"N 72°51'18\"W", 40.655, -72.855);
        addPair("letters before", "N 40.655 W 72.855", 40.655, -72.855);
        addPair("letters, nothing between", "40.655N72.855W", 40.655, -72.855);
        addPair("longitude first with letters", "72.855 W 40.655 N", 40.655, -72.855);
        addPair("minutes only, blanks", "40 39 72 51", 40.65, 72.85);
        addPair("DE semicolon", "40,655; -72,855", 40.655, -72.855, "de_DE");
        addPair("DE comma and blank", "40,655, -72,855", 40.655, -72.855, "de_DE");
        addPair("DE one number", "40,655", kNo, kNo, "de_DE");
        addPair("US decimal comma is no pair", "40,65", kNo, kNo);
        addPair("one coordinate", "40 39", kNo, kNo);
        addPair("longitude first without letters", "-100.5 -40.655", kNo, kNo);
        addPair("split two ways", "10 20 30 40", kNo, kNo);
    }
    void pairs()
    {
        QFETCH(QString, text);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QString, locale);
        const auto pair = readCoordinatePair(text, QLocale(locale));
        QCOMPARE(pair.has_value(), !qIsNaN(latitude));
        if (pair) {
            CHECK_NEAR(pair->latitude.degrees, latitude, kTolerance);
            CHECK_NEAR(pair->longitude.degrees, longitude, kTolerance);
        }
    }
};

QTEST_GUILESS_MAIN(TestCoordinateText)
#include "tst_coordinate_text.moc"
