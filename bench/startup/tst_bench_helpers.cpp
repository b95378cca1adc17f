// The parts of the map timer that decide what is clicked and what is
// reported: the link finder and the medians.
#include "link_finder.h"
#include "stats.h"

#include <QtTest>

#include <cmath>
#include <vector>

using bench::Rgb;

namespace {

constexpr Rgb kGrey{224, 224, 224};
constexpr Rgb kBlue{0, 0, 192};

struct Line {
    int x0, x1, y;
    Rgb colour;
};

struct Picture {
    int width = 300, height = 60;
    Rgb background = kGrey;
    std::vector<Line> lines;

    Rgb at(int x, int y) const
    {
        for (const Line &l : lines)
            if (y == l.y && x >= l.x0 && x < l.x1)
                return l.colour;
        return background;
    }
};

} // namespace

Q_DECLARE_METATYPE(Picture)

class TestBenchHelpers : public QObject {
    Q_OBJECT
private slots:
    void findsUnderline_data();
    void findsUnderline();
    void median_data();
    void median();
    void ratio_data();
    void ratio();
};

void TestBenchHelpers::findsUnderline_data()
{
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");

    QTest::newRow("no link") << Picture{} << false << 0 << 0;
    QTest::newRow("one underline") << Picture{300, 60, kGrey, {{16, 288, 40, kBlue}}} << true << 152 << 40;
    QTest::newRow("longer of two wins") << Picture{300, 60, kGrey, {{100, 200, 10, kBlue}, {16, 288, 40, kBlue}}}
                                        << true << 152 << 40;
    QTest::newRow("first of two equal ones")
        << Picture{300, 60, kGrey, {{0, 100, 10, kBlue}, {150, 250, 40, kBlue}}} << true << 50 << 10;
    QTest::newRow("antialiased blue within tolerance")
        << Picture{300, 60, kGrey, {{20, 120, 5, Rgb{30, 30, 220}}}} << true << 70 << 5;
    QTest::newRow("title red underline ignored")
        << Picture{300, 60, kGrey, {{0, 300, 5, Rgb{192, 64, 0}}}} << false << 0 << 0;
    QTest::newRow("glyph stroke shorter than minimum")
        << Picture{300, 60, kGrey, {{10, 49, 5, kBlue}}} << false << 0 << 0;
    QTest::newRow("run reaching the right edge")
        << Picture{300, 60, kGrey, {{200, 300, 59, kBlue}}} << true << 250 << 59;
    QTest::newRow("whole picture blue") << Picture{300, 60, kBlue, {}} << true << 150 << 0;
}

void TestBenchHelpers::findsUnderline()
{
    QFETCH(Picture, picture);
    QFETCH(bool, found);
    QFETCH(int, x);
    QFETCH(int, y);
    const bench::LinkSpot spot =
        bench::findLinkUnderline(picture.width, picture.height, [&](int px, int py) { return picture.at(px, py); });
    QCOMPARE(spot.found, found);
    if (found) {
        QCOMPARE(spot.x, x);
        QCOMPARE(spot.y, y);
    }
}

void TestBenchHelpers::median_data()
{
    QTest::addColumn<std::vector<double>>("values");
    QTest::addColumn<double>("expected");
    QTest::newRow("odd count, unsorted") << std::vector<double>{5, 1, 3} << 3.0;
    QTest::newRow("even count, mean of middle two") << std::vector<double>{40, 10, 30, 20} << 25.0;
    QTest::newRow("one outlier does not move it") << std::vector<double>{30, 31, 29, 900, 30} << 30.0;
    QTest::newRow("single value") << std::vector<double>{7.5} << 7.5;
    QTest::newRow("repeated middle values") << std::vector<double>{2, 2, 2, 9} << 2.0;
    // No runs succeeded: no median, so no goal can be met by accident.
    QTest::newRow("empty") << std::vector<double>{} << std::nan("");
}

void TestBenchHelpers::median()
{
    QFETCH(std::vector<double>, values);
    QFETCH(double, expected);
    const double m = bench::median(values);
    if (std::isnan(expected))
        QVERIFY(std::isnan(m));
    else
        QCOMPARE(m, expected); // exact: the values and their half-sums are representable
}

void TestBenchHelpers::ratio_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected"); // NaN: no ratio
    const double nan = std::nan("");
    QTest::newRow("plain") << 130.0 << 100.0 << 1.3;
    QTest::newRow("reference failed to start (zero)") << 50.0 << 0.0 << nan;
    QTest::newRow("no measurements (NaN median)") << nan << 30.0 << nan;
    QTest::newRow("negative is no time") << -1.0 << 30.0 << nan;
}

void TestBenchHelpers::ratio()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    const double r = bench::ratio(a, b);
    if (std::isnan(expected))
        QVERIFY(std::isnan(r));
    else
        QVERIFY(std::abs(r - expected) < 1e-12);
}

QTEST_APPLESS_MAIN(TestBenchHelpers)
#include "tst_bench_helpers.moc"
