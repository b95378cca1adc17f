// The dial's full-size pages read back from the PDF: how many pages A4 and
// Letter take, that every page carries its rulers, and that the rulers
// measure what they say once rendered.
#include "dial/dial_layout.h"
#include "print/dial_pages.h"
#include "support/pdf_text.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace orvane;

namespace {

DialDrawing horizontalDial(double latitude, double nodus, double width, double height, bool card)
{
    DialDrawing d;
    d.input.latitude = latitude;
    d.input.longitude = -72.855;
    d.input.nodusHeight = nodus;
    d.input.plate = dial::plateAround(d.input, width, height);
    d.layout = dial::layoutDial(d.input);
    d.dateLines.push_back({QStringLiteral("Equinoxes"), dial::dateLine(d.input, 0)});
    d.title = QStringLiteral("Horizontal dial");
    if (card)
        d.card = [](QPainter &p, const QRectF &r) { p.drawText(r, QStringLiteral("Card")); };
    return d;
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
        QTest::newRow("1 m square on A4: 5 x 6") << a4 << 40.655 << 20.0 << 1000.0 << 1000.0 << false << 30 + 1;
        QTest::newRow("with a card page") << a4 << 40.655 << 20.0 << 180.0 << 240.0 << true << 1 + 1 + 1;
        // 5 deg: the root lies 1143 mm from the foot, off the pages of a
        // 300 mm plate (310 mm: 2 x 2); the gnomon, 1143 + 24 mm long, takes 7 tiles.
        QTest::newRow("low style on A4: the gnomon over 7 pages")
            << a4 << 5.0 << 100.0 << 300.0 << 300.0 << false << 4 + 7;
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

    // The rulers rendered at 254 dpi (10 px a millimetre): the longest dark
    // horizontal runs near 100 mm and 101.6 mm. Drawn lengths 100 and
    // 101.6 mm plus 0.2 mm of end ticks; 0.5 mm allowed for anti-aliased ends.
    void rulersMeasureTrue()
    {
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("dial.pdf"));
        {
            QPdfWriter pdf(path);
            pdf.setResolution(1200);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            QVERIFY(paintDialPages(pdf, horizontalDial(40.655, 20, 180, 240, false)).pages > 0);
        }
        const QString prefix = out.filePath(QStringLiteral("page"));
        QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"),
                                   {"-gray", "-r", "254", "-f", "1", "-l", "1", "-singlefile", path, prefix}),
                 0);
        const QImage page(prefix + QStringLiteral(".pgm"));
        QVERIFY(!page.isNull());
        QList<int> runs;
        for (int y = 0; y < page.height(); ++y) {
            int run = 0;
            for (int x = 0; x <= page.width(); ++x) {
                if (x < page.width() && qGray(page.pixel(x, y)) < 128) {
                    ++run;
                } else {
                    if (run >= 950 && run <= 1060)
                        runs << run;
                    run = 0;
                }
            }
        }
        auto found = [&runs](double wantPx) {
            return std::any_of(runs.begin(), runs.end(), [wantPx](int r) { return std::fabs(r - wantPx) <= 5; });
        };
        QStringList seen;
        for (int r : runs)
            seen << QString::number(r);
        QVERIFY2(found(1002), qPrintable(QStringLiteral("no 100 mm ruler in runs of ") + seen.join(' ')));
        QVERIFY2(found(1018), qPrintable(QStringLiteral("no 4 in ruler in runs of ") + seen.join(' ')));
    }
};

QTEST_MAIN(TestDialPages)
#include "tst_dial_pages.moc"
