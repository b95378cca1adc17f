// The dial's full-size pages read back from the PDF: how many pages A4 and
// Letter take, that every page carries its rulers, and that the rulers
// measure what they say once rendered, the plate at full size beside them
// and the tiles sharing their 10 mm strips.
#include "print/dial_pages.h"
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

} // namespace

class TestDialPages : public QObject {
    Q_OBJECT
private slots:
    // Expected counts by hand: the printable area is the paper less 10 mm
    // margins, less 26 mm of title and rulers (A4 190 x 251 mm, Letter
    // 195.9 x 233.4 mm); n tiles that overlap by 10 mm cover
    // 10 + n (side - 10) mm; the plate takes 5 mm more all round. A 20 mm
    // nodus at 40.655 N puts the root on the plate and the gnomon on one page.
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
        QTest::newRow("180 x 240 on Letter: two rows") << letter << 40.655 << 20.0 << 180.0 << 240.0 << false << 2 + 1;
        QTest::newRow("360 x 480 on A4: 2 x 2") << a4 << 40.655 << 20.0 << 360.0 << 480.0 << false << 4 + 1;
        QTest::newRow("360 x 480 on Letter: 3 x 2") << letter << 40.655 << 20.0 << 360.0 << 480.0 << false << 6 + 1;
        // The gnomon's page carries its size and angle in the plate's labels' size (33 mm here): two tiles.
        QTest::newRow("1 m square on A4: 5 x 6") << a4 << 40.655 << 20.0 << 1000.0 << 1000.0 << false << 30 + 2;
        QTest::newRow("with a card page") << a4 << 40.655 << 20.0 << 180.0 << 240.0 << true << 1 + 1 + 1;
        // 5 deg: the root lies 1143 mm from the foot, off the pages of a
        // 300 mm plate (310 mm: 2 x 2); the gnomon is cut square at the
        // plate's edge, 50 mm along the substyle: one tile.
        QTest::newRow("low style on A4: the gnomon cut at the plate's edge")
            << a4 << 5.0 << 100.0 << 300.0 << 300.0 << false << 4 + 1;
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
        const int tiles = pages - (card ? 1 : 0);
        QCOMPARE(count(text, QStringLiteral("100 mm")), tiles);
        QCOMPARE(count(text, QStringLiteral("4 in")), tiles);
        QVERIFY(text.contains(QStringLiteral("row 1, column 1 of")));
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
    // from the paper's left and 21 mm from its top, 190 x 251 mm): the 10 mm
    // a tile shares with its right or lower neighbour shows the same lines
    // on both, blue alignment crosses among them. 1 mm kept off the area's
    // dotted border.
    void tilesOverlap_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QRect>("strip");      // on the first page, px
        QTest::addColumn<QPoint>("neighbour"); // where it lies on the second
        QTest::newRow("row 1: column 1 beside 2") << 0 << 1 << QRect(955, 110, 40, 1245) << QPoint(-900, 0);
        QTest::newRow("row 2: column 1 beside 2") << 2 << 3 << QRect(955, 110, 40, 1245) << QPoint(-900, 0);
        QTest::newRow("column 1: row 1 above 2") << 0 << 2 << QRect(55, 1310, 940, 45) << QPoint(0, -1205);
        QTest::newRow("column 2: row 1 above 2") << 1 << 3 << QRect(55, 1310, 940, 45) << QPoint(0, -1205);
    }
    void tilesOverlap()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QRect, strip);
        QFETCH(QPoint, neighbour);
        const QList<QImage> pages = renderedPages(horizontalDial(40.655, 20, 360, 480, false), 127, 4);
        QCOMPARE(pages.size(), 4);
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
};

QTEST_MAIN(TestDialPages)
#include "tst_dial_pages.moc"
