// The dial's full-size pages read back from the PDF: how many pages A4 and
// Letter take, that every page carries its rulers, and that the rulers
// measure what they say once rendered, the plate at full size beside them
// and the tiles sharing their 10 mm strips.
#include "field/ground_staking.h"
#include "print/dial_pages.h"
#include "print/staking_sheet.h"
#include "print/tile_labels.h"
#include "support/pdf_text.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace orvane;

namespace {

DialDesign horizontalDial(double latitude, double nodus, double width, double height, bool card)
{
    AcceptedSite site;
    site.date = QDate(2027, 6, 21);
    site.latitude = latitude;
    site.longitude = -72.855;
    DialSettings settings;
    settings.nodusHeight = nodus;
    settings.plateWidth = width;
    settings.plateHeight = height;
    DesignChoices choices;
    choices.card = card;
    return designDial(site, settings, choices, QLocale::c());
}

DialDesign dialOf(dial::DialType type, double facing, double tilt, double width, double height, DateLineChoice dates,
                  int step)
{
    AcceptedSite site;
    site.date = QDate(2027, 6, 21);
    site.latitude = 40.655;
    site.longitude = -72.855;
    site.clock = SiteClock(-300, true);
    DialSettings settings;
    settings.type = type;
    settings.facing = facing;
    settings.tilt = tilt;
    settings.plateWidth = width;
    settings.plateHeight = height;
    settings.dateLines = dates;
    settings.stepMinutes = step;
    DesignChoices choices;
    choices.card = false;
    return designDial(site, settings, choices, QLocale::c());
}

// An analemmatic dial of 2.5 m at the site on 21 June 2027, on the clock
// its zone keeps that day, without its card.
DialDesign groundDial(double latitude, double longitude, SiteClock clock)
{
    AcceptedSite site;
    site.date = QDate(2027, 6, 21);
    site.latitude = latitude;
    site.longitude = longitude;
    site.clock = clock;
    DialSettings settings;
    settings.type = dial::DialType::Analemmatic;
    settings.dateLines = DateLineChoice::Months;
    DesignChoices choices;
    choices.card = false;
    return designDial(site, settings, choices, QLocale::c());
}

QString writePdf(const QTemporaryDir &dir, const DialDesign &design)
{
    const QString path = dir.filePath(QStringLiteral("dial.pdf"));
    QPdfWriter pdf(path);
    pdf.setResolution(1200);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    paintDialPages(pdf, design);
    return path;
}

// The first `count` pages of the drawing's PDF, rendered at `dpi`.
QList<QImage> renderedPages(const DialDesign &drawing, int dpi, int count)
{
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("dial.pdf"));
    {
        QPdfWriter pdf(path);
        pdf.setResolution(1200);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        paintDialPages(pdf, drawing);
    }
    const QString prefix = out.filePath(QStringLiteral("page"));
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {"-r", QString::number(dpi), "-l", QString::number(count), path, prefix});
    QList<QImage> pages;
    for (const QString &file : QDir(out.path()).entryList({QStringLiteral("page*.ppm")}, QDir::Files, QDir::Name))
        pages << QImage(out.filePath(file));
    return pages;
}

int count(const QString &text, const QString &word)
{
    return static_cast<int>(
        text.count(QRegularExpression(QStringLiteral("(^|\\s)") + QRegularExpression::escape(word) + "(\\s|$)")));
}

// The words pdftotext finds on page `page` within `mm` (from the paper's
// top left).
QStringList wordsIn(const QString &path, int page, const QRectF &mm)
{
    const auto pt = [](double v) { return QString::number(qRound(v * 72 / 25.4)); };
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {"-f", QString::number(page), "-l", QString::number(page), "-x", pt(mm.x()),
                                          "-y", pt(mm.y()), "-W", pt(mm.width()), "-H", pt(mm.height()), path, "-"});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput())
        .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

} // namespace

class TestDialPages : public QObject {
    Q_OBJECT
private slots:
    // A plan's scale is a whole 1:N that fits: the next of 1, 2, 5, 10, 20,
    // 25, 50, ... at or above the reduction needed.
    void planScaleIsWholeAndFits_data()
    {
        QTest::addColumn<double>("needed"); // content width over paper width
        QTest::addColumn<int>("scale");
        QTest::newRow("fits at full size") << 0.8 << 1;
        QTest::newRow("just over half: 1:5, never 1:2.5") << 2.2 << 5;
        QTest::newRow("exactly 1:25") << 25.0 << 25;
        QTest::newRow("a 100 m dial on 180 mm") << 100000.0 / 180 << 1000;
    }
    void planScaleIsWholeAndFits()
    {
        QFETCH(double, needed);
        QFETCH(int, scale);
        QCOMPARE(planScale({0, 0, needed * 180, 10}, 180, 250), scale);
    }
    // Expected counts by hand: the printable area is the paper less 10 mm
    // margins, less 26 mm of title and rulers (A4 190 x 251 mm upright,
    // 277 x 164 mm turned; Letter 195.9 x 233.4 mm, 259.4 x 169.9 mm); n
    // tiles that overlap by 10 mm cover 10 + n (side - 10) mm; the plate
    // takes 5 mm more all round; each part is turned the way that takes fewer
    // tiles, upright on a tie. An overview page comes first when the plate
    // takes more than one tile. A 20 mm nodus at 40.655 N puts the root on
    // the plate and the gnomon on one page.
    void pageCount_data()
    {
        QTest::addColumn<QPageSize>("paper");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("nodus");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<bool>("card");
        QTest::addColumn<int>("pages");
        const QPageSize a4(QPageSize::A4), letter(QPageSize::Letter);
        QTest::newRow("180 x 240 on A4: one tile") << a4 << 40.655 << 20.0 << 180.0 << 240.0 << false << 1 + 1;
        // 250 mm high: two rows either way.
        QTest::newRow("180 x 240 on Letter: two rows")
            << letter << 40.655 << 20.0 << 180.0 << 240.0 << false << 1 + 2 + 1;
        // Upright 2 x 2, turned 2 columns x 4 rows.
        QTest::newRow("360 x 480 on A4: 2 x 2") << a4 << 40.655 << 20.0 << 360.0 << 480.0 << false << 1 + 4 + 1;
        // Upright 2 x 3, turned 2 x 4 (480 mm needs 3.002 rows of 159.9).
        QTest::newRow("360 x 480 on Letter: 3 x 2") << letter << 40.655 << 20.0 << 360.0 << 480.0 << false << 1 + 6 + 1;
        // 410 x 310: upright 3 x 2, turned 2 x 2.
        QTest::newRow("400 x 300 on A4: turned, 2 x 2") << a4 << 40.655 << 20.0 << 400.0 << 300.0 << false << 1 + 4 + 1;
        // Upright 6 x 5 = 30, turned 4 x 7 = 28. The gnomon's page carries
        // its size and angle in the plate's labels' size (33 mm here): two
        // tiles upright, one turned.
        QTest::newRow("1 m square on A4: 4 x 7 turned")
            << a4 << 40.655 << 20.0 << 1000.0 << 1000.0 << false << 1 + 28 + 1;
        QTest::newRow("with a card page") << a4 << 40.655 << 20.0 << 180.0 << 240.0 << true << 1 + 1 + 1;
        // 5 deg: the root lies 1143 mm from the foot, far off the 300 mm
        // plate, so the pages hold the plate alone (310 mm: 2 x 2 either
        // way); the gnomon is cut square at the plate's edge, 50 mm along
        // the substyle: one tile.
        QTest::newRow("low style on A4: the gnomon cut at the plate's edge")
            << a4 << 5.0 << 100.0 << 300.0 << 300.0 << false << 1 + 4 + 1;
    }
    void pageCount()
    {
        QFETCH(QPageSize, paper);
        QFETCH(double, latitude);
        QFETCH(double, nodus);
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(bool, card);
        QFETCH(int, pages);
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("dial.pdf"));
        {
            QPdfWriter pdf(path);
            pdf.setResolution(1200);
            pdf.setPageSize(paper);
            QCOMPARE(paintDialPages(pdf, horizontalDial(latitude, nodus, width, height, card)).pages, pages);
        }
        QCOMPARE(test::pdfPageCount(path), pages);
        QString error;
        const QString text = test::pdfLines(path, &error).join('\n');
        QVERIFY2(error.isEmpty(), qPrintable(error));
        // The overview first, where the plate takes more than one tile.
        const bool overview = text.contains(QStringLiteral("Where the pages go"));
        QCOMPARE(overview, !text.contains(QStringLiteral("Dial plate, whole on this page")));
        const int tiles = pages - (card ? 1 : 0) - (overview ? 1 : 0);
        QCOMPARE(count(text, QStringLiteral("100 mm")), tiles);
        QCOMPARE(count(text, QStringLiteral("4 in")), tiles);
        // Across then down, as --plate gives width x height.
        if (overview)
            QVERIFY(text.contains(QRegularExpression(QStringLiteral("column 1 of \\d+, row 1 of \\d+"))));
    }

    // The rulers and the plate's outline rendered at 254 dpi (10 px a
    // millimetre): the dark horizontal runs of the drawn lengths, the rulers
    // with 0.2 mm of end ticks, the 180 mm plate with its 0.45 mm stroke;
    // 0.5 mm allowed for anti-aliased ends. A plate scaled alone misses.
    void rulersMeasureTrue_data()
    {
        QTest::addColumn<double>("wantPx");
        QTest::newRow("100 mm ruler") << 1002.0;
        QTest::newRow("4 in ruler") << 1018.0;
        QTest::newRow("the plate's 180 mm top edge") << 1804.5;
    }
    void rulersMeasureTrue()
    {
        QFETCH(double, wantPx);
        const QImage page = renderedPages(horizontalDial(40.655, 20, 180, 240, false), 254, 1).value(0);
        QVERIFY(!page.isNull());
        QList<int> runs;
        for (int y = 0; y < page.height(); ++y) {
            int run = 0;
            for (int x = 0; x <= page.width(); ++x) {
                if (x < page.width() && qGray(page.pixel(x, y)) < 128) {
                    ++run;
                } else {
                    if (run >= 950)
                        runs << run;
                    run = 0;
                }
            }
        }
        QStringList seen;
        for (int r : runs)
            seen << QString::number(r);
        QVERIFY2(std::any_of(runs.begin(), runs.end(), [wantPx](int r) { return std::fabs(r - wantPx) <= 5; }),
                 qPrintable(QStringLiteral("no run of %1 px in ").arg(wantPx) + seen.join(' ')));
    }

    // A 2 x 2 plate at 127 dpi (5 px a millimetre; the area starts 10 mm
    // from the paper's left and 21 mm from its top; 370 x 490 mm shared by
    // two tiles each way, 190 x 250 mm, after the overview page): the 10 mm
    // a tile shares with its right or lower neighbour shows the same lines
    // on both, blue alignment crosses among them. 1 mm kept off the area's
    // dotted border.
    void tilesOverlap_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QRect>("strip");      // on the first page, px
        QTest::addColumn<QPoint>("neighbour"); // where it lies on the second
        QTest::newRow("row 1: column 1 beside 2") << 1 << 2 << QRect(955, 110, 40, 1240) << QPoint(-900, 0);
        QTest::newRow("row 2: column 1 beside 2") << 3 << 4 << QRect(955, 110, 40, 1240) << QPoint(-900, 0);
        QTest::newRow("column 1: row 1 above 2") << 1 << 3 << QRect(55, 1310, 940, 40) << QPoint(0, -1200);
        QTest::newRow("column 2: row 1 above 2") << 2 << 4 << QRect(55, 1310, 940, 40) << QPoint(0, -1200);
    }
    void tilesOverlap()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QRect, strip);
        QFETCH(QPoint, neighbour);
        const QList<QImage> pages = renderedPages(horizontalDial(40.655, 20, 360, 480, false), 127, 5);
        QCOMPARE(pages.size(), 5);
        // Ink on the first page with none within a pixel on the second.
        const auto dark = [](const QImage &page, QPoint at) {
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (qGray(page.pixel(at + QPoint(dx, dy))) < 128)
                        return true;
            return false;
        };
        int ink = 0, differ = 0, blue[2] = {0, 0};
        for (int y = strip.top(); y <= strip.bottom(); ++y)
            for (int x = strip.left(); x <= strip.right(); ++x) {
                const QRgb a = pages[first].pixel(x, y), b = pages[second].pixel(QPoint(x, y) + neighbour);
                ink += qGray(a) < 128;
                differ += qGray(a) < 128 && !dark(pages[second], QPoint(x, y) + neighbour);
                blue[0] += qBlue(a) > qRed(a) + 100;
                blue[1] += qBlue(b) > qRed(b) + 100;
            }
        QVERIFY2(ink > 200 && differ < ink / 20, qPrintable(QStringLiteral("%1 of %2").arg(differ).arg(ink)));
        QVERIFY(blue[0] > 20 && blue[1] > 20);
    }
    // The 1 m plate's inner tiles, far from the plate's own hour numbers:
    // each names every hour line that runs well inside it (15 mm in, found
    // by sampling the line every 0.5%, apart from the painter's clipping).
    void innerTilesNameTheirHours()
    {
        const DialDesign design = horizontalDial(40.655, 20, 1000, 1000, false);
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("dial.pdf"));
        DialPagePlan plan;
        {
            QPdfWriter pdf(path);
            pdf.setResolution(1200);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            plan = paintDialPages(pdf, design).plan;
        }
        QVERIFY(wordsIn(path, 1, QRectF(0, 0, 210, 30)).contains(QStringLiteral("Where")));
        const TileGrid &grid = plan.plate;
        int named = 0;
        for (int row = 1; row + 1 < grid.rows; ++row)
            for (int column = 1; column + 1 < grid.columns; ++column) {
                const dial::PlateRect t = grid.tile(row, column);
                const QStringList words =
                    wordsIn(path, 2 + row * grid.columns + column, QRectF(10, 21, grid.tileWidth, grid.tileHeight));
                for (const dial::HourLine &h : design.faces.front().layout.hourLines) {
                    bool inside = false;
                    for (int i = 0; i <= 200 && !inside; ++i) {
                        const double x = h.line.from.x + (h.line.to.x - h.line.from.x) * i / 200;
                        const double y = h.line.from.y + (h.line.to.y - h.line.from.y) * i / 200;
                        inside = x > t.xMin + 15 && x < t.xMax - 15 && y > t.yMin + 15 && y < t.yMax - 15;
                    }
                    if (!inside)
                        continue;
                    const QString label = QString::fromStdString(h.label);
                    QVERIFY2(words.contains(label), qPrintable(QStringLiteral("row %1, column %2: no %3 in %4")
                                                                   .arg(row + 1)
                                                                   .arg(column + 1)
                                                                   .arg(label, words.join(' '))));
                    ++named;
                }
            }
        QVERIFY2(named >= 10, qPrintable(QString::number(named)));
    }

    // The names on the tiles stand clear of every line and of each other,
    // on dials whose lines crowd: near the root of a large wall dial with
    // quarter hours and months, and round the equatorial dial's foot; and
    // the date lines are named as well as the hours.
    void tileNamesKeepOffTheLines_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("facing");
        QTest::addColumn<double>("tilt");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("2000 x 1500 plane facing 200, tilt 35")
            << int(dial::DialType::Plane) << 200.0 << 35.0 << 2000.0 << 1500.0;
        QTest::newRow("1 m equatorial") << int(dial::DialType::Equatorial) << 180.0 << 90.0 << 1000.0 << 1000.0;
    }
    void tileNamesKeepOffTheLines()
    {
        QFETCH(int, type);
        QFETCH(double, facing);
        QFETCH(double, tilt);
        QFETCH(double, width);
        QFETCH(double, height);
        const DialDesign design = dialOf(dial::DialType(type), facing, tilt, width, height, DateLineChoice::Months, 15);
        const DialPagePlan plan = planDialPages(design, QPageSize(QPageSize::A4));
        const TileGrid &grid = plan.plate;
        QVERIFY(grid.count() > 4);
        QStringList dates;
        for (const dial::DateLine &line : design.faces.front().dateLines)
            dates << QString::fromStdString(line.label);
        int names = 0, dateNames = 0;
        for (int row = 0; row < grid.rows; ++row)
            for (int column = 0; column < grid.columns; ++column) {
                const dial::PlateRect t = grid.tile(row, column);
                const std::vector<TileLine> lines = tileLines(design.drawing, t);
                const std::vector<TileLabel> labels = tileLineLabels(lines, t, 4, {});
                for (std::size_t i = 0; i < labels.size(); ++i) {
                    const TileLabel &l = labels[i];
                    for (const TileLine &line : lines)
                        for (std::size_t k = 1; k < line.points.size(); ++k)
                            QVERIFY2(
                                !segmentMeetsBox(line.points[k - 1], line.points[k], l.box),
                                qPrintable(QStringLiteral("%1 crosses %2 on row %3, column %4")
                                               .arg(QString::fromStdString(l.text), QString::fromStdString(line.name))
                                               .arg(row + 1)
                                               .arg(column + 1)));
                    for (std::size_t j = 0; j < i; ++j)
                        QVERIFY2(!l.box.overlaps(labels[j].box), l.text.c_str());
                    ++names;
                    dateNames += dates.contains(QString::fromStdString(l.text));
                }
            }
        QVERIFY2(names > 20 && dateNames > 5,
                 qPrintable(QStringLiteral("%1 names, %2 of dates").arg(names).arg(dateNames)));
    }

    // The staking sheet's plan: the scale bar measures what the scale says
    // (rendered at 254 dpi, 10 px a mm, the bar starting at the 10 mm
    // margin); the steps put N on the noon side of C and name the clock;
    // the date table's signs follow the declination (+ north: the person
    // stands north of C in June in both hemispheres, y = M tan(dec) cos(lat));
    // the hours' marks lie west before noon, the sun being east.
    void stakingSheet_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<int>("standardOffset");
        QTest::addColumn<bool>("summer");
        QTest::addColumn<QString>("noonSide");
        QTest::addColumn<QString>("clock");
        QTest::newRow("London in summer time") << 51.5 << -0.12 << 0 << true << "north of C"
                                               << "summer time (UTC+1; the zone's standard time is UTC+0)";
        QTest::newRow("Sydney in winter") << -33.87 << 151.2 << 600 << false << "south of C"
                                          << "standard time (UTC+10)";
    }
    void stakingSheet()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(int, standardOffset);
        QFETCH(bool, summer);
        QFETCH(QString, noonSide);
        QFETCH(QString, clock);
        const DialDesign design = groundDial(latitude, longitude, SiteClock(standardOffset, summer));
        const QStringList steps = stakingSteps(design, QLocale::c());
        QVERIFY2(steps.value(0).contains(clock), qPrintable(steps.value(0)));
        QVERIFY2(steps.value(1).contains(noonSide), qPrintable(steps.value(1)));
        QTemporaryDir dir;
        const QString path = writePdf(dir, design);
        QString error;
        const QStringList lines = test::pdfLines(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QString text = lines.join('\n');
        const QRegularExpressionMatch stated =
            QRegularExpression(QStringLiteral("([0-9.]+) m\\.\\s+Scale 1:(\\d+)")).match(text);
        QVERIFY2(stated.hasMatch(), qPrintable(text));
        const double wantPx = stated.captured(1).toDouble() * 1000 / stated.captured(2).toDouble() * 10;
        QTemporaryDir out;
        QProcess::execute(QStringLiteral("pdftoppm"), {"-r", "254", "-l", "1", path, out.filePath("page")});
        const QImage page(out.filePath(QDir(out.path()).entryList({"page*.ppm"}).value(0)));
        QVERIFY(!page.isNull());
        bool found = false;
        for (int y = 0; y < page.height() && !found; ++y) {
            int x = 95;
            while (x < 105 && qGray(page.pixel(x, y)) >= 128)
                ++x;
            if (x == 105)
                continue;
            int end = x;
            while (end < page.width() && qGray(page.pixel(end, y)) < 128)
                ++end;
            found = std::fabs(end - x - wantPx) <= 6; // 0.3 mm pen and anti-aliased ends
        }
        QVERIFY2(found, qPrintable(QStringLiteral("no bar of %1 px at the margin").arg(wantPx)));

        QProcess layout;
        layout.start(QStringLiteral("pdftotext"), {"-layout", "-f", "2", "-l", "2", path, "-"});
        layout.waitForFinished();
        const QStringList tables = QString::fromUtf8(layout.readAllStandardOutput()).split(u'\n');
        for (const dial::DateLine &line : design.faces.front().dateLines) {
            if (std::fabs(line.declinationDeg) < 1)
                continue; // the equinox lies on C
            const QRegularExpression row(QStringLiteral("^\\s*%1\\s+([-+])\\d")
                                             .arg(QRegularExpression::escape(QString::fromStdString(line.label))));
            QString sign;
            for (const QString &l : tables)
                if (const QRegularExpressionMatch m = row.match(l); m.hasMatch())
                    sign = m.captured(1);
            QCOMPARE(sign, line.declinationDeg > 0 ? QStringLiteral("+") : QStringLiteral("-"));
        }
        const QRegularExpression hourRow(
            QStringLiteral("^\\s*(\\d+)\\s+[0-9.]+\\s+[0-9.]+\\s+(west|east|on the line)\\s*$"));
        int hours = 0;
        for (const QString &l : tables)
            if (const QRegularExpressionMatch m = hourRow.match(l); m.hasMatch()) {
                const int hour = m.captured(1).toInt();
                QCOMPARE(m.captured(2), QString(hour < 12 ? "west" : hour > 12 ? "east" : "on the line"));
                ++hours;
            }
        QCOMPARE(hours, int(design.faces.front().layout.ground->marks.size()));
    }
};

QTEST_MAIN(TestDialPages)
#include "tst_dial_pages.moc"
