// The Field Sheet on paper: Print with no printer offers a PDF, Save as PDF
// writes one, and either holds the whole sheet on one page, read back with
// pdftotext; the page fits A4 and Letter with the plan at least 8 cm across.
#include "field/field_data.h"
#include "sheet/frm_field_sheet.h"
#include "sheet/shadow_plan.h"
#include "sheet/sheet_page.h"
#include "sheet/sun_at_text.h"
#include "support/modal_answerer.h"
#include "support/pdf_text.h"
#include "text/result_text.h"

#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace orvane;

namespace {

SheetRequest newYork(const QDate &date, bool daylightSaving)
{
    SheetRequest r{date, 40.655, -72.855, true, SiteClock(-300, daylightSaving)};
    r.clock.zoneIndex = 6;                        // "GMT-5hrs   US Eastern Time, Montreal, New York"
    r.clock.zone = QTimeZone("America/New_York"); // its region, as the window gives it
    r.clock.entryRegion = true;
    return r;
}

FieldData dataFor(const SheetRequest &r, const std::vector<double> &bearings = {},
                  const std::vector<FieldInputs::WallReading> &wall = {})
{
    FieldInputs in;
    static_cast<AcceptedSite &>(in) = r;
    in.days = 14;
    in.bearings = bearings;
    in.wallReadings = wall;
    return computeFieldData(in);
}

// The readings of the README's picture: 10:00:00 at -20, 15:00:00 at +55.
const std::vector<FieldInputs::WallReading> kWall{{36000, -20}, {54000, 55}};

} // namespace

class TestSheetPage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(QPrinterInfo::defaultPrinter().isNull(), "a default printer is visible; the offer cannot be tested");
    }

    void pageReadBack_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("offer"); // the no-printer question comes first
        QTest::newRow("Print, no printer: saved as PDF instead") << "cmdPrintSheet" << true;
        QTest::newRow("Save as PDF") << "cmdSavePdf" << false;
    }
    void pageReadBack()
    {
        QFETCH(QString, button);
        QFETCH(bool, offer);
        QTemporaryDir out;
        QVERIFY(out.isValid());
        const QString path = out.filePath(QStringLiteral("sheet.pdf"));

        FrmFieldSheet sheet;
        sheet.setRequest(newYork(QDate(2027, 6, 21), true));
        sheet.show();
        test::ModalAnswerer answerer(QMessageBox::Yes);
        answerer.when<QFileDialog>([&](QFileDialog *d) {
            if (auto *name = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                name->setText(path);
            static_cast<QDialog *>(d)->accept();
        });
        QTest::mouseClick(sheet.findChild<QPushButton *>(button), Qt::LeftButton);

        QCOMPARE(answerer.seen.size(), std::size_t(offer ? 1 : 0));
        if (offer)
            QVERIFY(answerer.seen.front().text.contains("save the field sheet as a PDF"));
        QCOMPARE(test::pdfPageCount(path), 1);
        QString error;
        const QStringList lines = test::pdfLines(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        // The header first, as printed.
        QCOMPARE(lines.mid(0, 5),
                 (QStringList{
                     "Orvane Field Sheet",
                     "Latitude 40.655 North, Longitude 72.855 West",
                     "Monday, June 21, 2027",
                     "Clock: GMT-5hrs US Eastern Time, Montreal, New York, daylight saving time (UTC-4)",
                     "Summer time by the rules of America/New_York: 14 March to 7 November 2027",
                 }));
        // Then the worked example's times, each event's 30-second table
        // and the coming days, wherever the columns put them.
        const QString all = lines.join('\n');
        for (const char *expected :
             {"8:54:27 AM", "12:53:14 PM", "4:52:00 PM", "Precise 8:54:28.1 AM (+1.1 s)",
              "East (sun due east), every 30 seconds", "Meridian (sun due south), every 30 seconds",
              "West (sun due west), every 30 seconds", "8:49:27 AM", "8:59:27 AM", "The next 14 days", "Mon 6/21/27",
              "Sun 7/4/27", "Shadows drawn for a plumb line 1.00 m high."})
            QVERIFY2(all.contains(QString::fromUtf8(expected)), expected);
    }

    void pageFits_data()
    {
        QTest::addColumn<QPageSize>("paper");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("daylightSaving");
        QTest::addColumn<bool>("sunAt"); // bearing 190 and two wall readings
        QTest::newRow("A4, summer: three tables") << QPageSize(QPageSize::A4) << QDate(2027, 6, 21) << true << false;
        QTest::newRow("Letter, summer: three tables")
            << QPageSize(QPageSize::Letter) << QDate(2027, 6, 21) << true << false;
        QTest::newRow("Letter, winter: one table")
            << QPageSize(QPageSize::Letter) << QDate(2027, 12, 21) << false << false;
        QTest::newRow("A4, summer, a bearing and a wall: four tables")
            << QPageSize(QPageSize::A4) << QDate(2027, 6, 21) << true << true;
        QTest::newRow("Letter, summer, a bearing and a wall: four tables")
            << QPageSize(QPageSize::Letter) << QDate(2027, 6, 21) << true << true;
    }
    void pageFits()
    {
        QFETCH(QPageSize, paper);
        QFETCH(QDate, date);
        QFETCH(bool, daylightSaving);
        QFETCH(bool, sunAt);
        QTemporaryDir out;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out.filePath(QStringLiteral("fit.pdf")));
        printer.setPageSize(paper);
        const SheetRequest request = newYork(date, daylightSaving);
        const FieldData d = sunAt ? dataFor(request, {190}, kWall) : dataFor(request);
        const PrintedSheet page = paintSheetPage(printer, request, d, 1);
        QVERIFY(page.painted);
        QCOMPARE(page.scale, 1.0);
        QVERIFY2(page.planMm.width() >= 80, qPrintable(QString::number(page.planMm.width())));
        const double printable = printer.pageLayout().paintRect(QPageLayout::Millimeter).height();
        QVERIFY2(page.usedHeightMm <= printable,
                 qPrintable(QStringLiteral("%1 mm used of %2").arg(page.usedHeightMm).arg(printable)));
        QCOMPARE(test::pdfPageCount(printer.outputFileName()), 1);
        if (!sunAt)
            return;
        // The bearing's block and table, and the wall's result, read back.
        QString error;
        const QString all = test::pdfLines(printer.outputFileName(), &error).join('\n');
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QLocale l;
        const QString at = timeText(d.bearings.front().times.front().clock / 86400, l);
        for (const QString &expected :
             {QStringLiteral("Bearing 190°: sun at 190°"), at, "190° at " + at + ", every 30 s",
              QStringLiteral("Which way the wall faces"), wallResultText(*d.wall, d.inputs.latitude, l)})
            QVERIFY2(all.contains(expected), qPrintable(expected));
    }

    // The meridian's shadow label and that of a bearing a few degrees off
    // it, at the same length on the plan, kept at least a pixel apart.
    void planLabelsApart_data()
    {
        QTest::addColumn<double>("bearing");
        QTest::newRow("bearing 175") << 175.0;
        QTest::newRow("bearing 185") << 185.0;
    }
    void planLabelsApart()
    {
        QFETCH(double, bearing);
        QImage image(600, 600, QImage::Format_RGB32);
        QPainter painter(&image);
        QFont font;
        font.setPixelSize(14);
        const std::vector<QRectF> labels =
            paintPlan(painter, image.rect(), dataFor(newYork(QDate(2027, 6, 21), true), {bearing}), 1, QLocale(), font);
        QCOMPARE(labels.size(), size_t(4)); // east, meridian, west, the bearing
        QVERIFY(!labels[1].adjusted(-1, -1, 1, 1).intersects(labels[3]));
    }
};

int main(int argc, char **argv)
{
    // No scheduler behind the socket, no client configuration, no personal
    // default: the process sees no printer at all.
    QTemporaryDir isolated;
    if (!isolated.isValid())
        return 1;
    qputenv("CUPS_SERVER", QFile::encodeName(isolated.filePath(QStringLiteral("no-scheduler.sock"))));
    qputenv("CUPS_SERVERROOT", QFile::encodeName(isolated.path()));
    qputenv("HOME", QFile::encodeName(isolated.path()));
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TestSheetPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sheet_page.moc"
