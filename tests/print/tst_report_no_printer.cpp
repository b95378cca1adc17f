// Print with no printer installed: the offer to save the report as PDF.
#include "print/report.h"
#include "support/modal_answerer.h"
#include "support/pdf_text.h"
#include "support/worked_examples.h"
#include "text/web_addresses.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace orvane;

namespace {

ReportInputs inputs()
{
    ReportInputs in;
    in.latitude = -33.9;
    in.longitude = 72.855;
    in.west = true;
    in.standardTime = true;
    in.date = QDate(2027, 12, 21);
    in.crossings = test::exampleCrossings(2027, 12, 21, false);
    return in;
}

struct NoPrinterBox {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
};

} // namespace

class TestReportNoPrinter : public QObject {
    Q_OBJECT

public:
    explicit TestReportNoPrinter(QString home) : home_(std::move(home)) {}

private slots:
    void initTestCase();
    void cleanup() { answerer_.stopAll(); }
    void noLeavesEverythingAsItWas();
    void yesSavesTheSamePageAsPdf();
    void cancellingTheSaveDialogWritesNothing();

private:
    // Answers the no-printer box with `button`, noting what it showed.
    void answerBox(QMessageBox::StandardButton button, NoPrinterBox *seen)
    {
        answerer_.when<QMessageBox>([button, seen](QMessageBox *box) {
            seen->shown = true;
            seen->title = box->windowTitle();
            seen->text = box->text();
            seen->buttons = box->standardButtons();
            box->button(button)->click();
        });
    }

    QString home_;
    QWidget window_;
    test::ModalAnswerer answerer_;
};

void TestReportNoPrinter::initTestCase()
{
    QVERIFY2(QPrinterInfo::defaultPrinter().isNull(),
             "a default printer is visible although CUPS_SERVER points at no scheduler");
    window_.show();
}

void TestReportNoPrinter::noLeavesEverythingAsItWas()
{
    NoPrinterBox seen;
    answerBox(QMessageBox::No, &seen);
    bool dialogOpened = false;
    answerer_.when<QFileDialog>([&dialogOpened](QFileDialog *d) {
        dialogOpened = true;
        d->reject();
    });

    printReport(&window_, inputs());

    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QStringLiteral("Orvane"));
    QVERIFY2(seen.text.contains(QStringLiteral("No printer is available"), Qt::CaseInsensitive), qPrintable(seen.text));
    QVERIFY(seen.text.contains(QStringLiteral("PDF")));
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(!dialogOpened);
    QCOMPARE(QDir(home_).entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

void TestReportNoPrinter::yesSavesTheSamePageAsPdf()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    const QString path = out.filePath(QStringLiteral("saved report.pdf"));

    NoPrinterBox seen;
    answerBox(QMessageBox::Yes, &seen);
    bool saveMode = false;
    answerer_.when<QFileDialog>([&](QFileDialog *d) {
        saveMode = d->acceptMode() == QFileDialog::AcceptSave;
        // Into the name box: selectFile() can be undone by the dialog's own
        // default name once its folder has loaded, and typed keys open the
        // completer, which then takes the Return key.
        if (auto *name = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        static_cast<QDialog *>(d)->accept(); // QFileDialog::accept, which checks the name
    });

    printReport(&window_, inputs());

    QVERIFY(seen.shown);
    QVERIFY(saveMode);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    QCOMPARE(test::pdfPageCount(path), 1);
    QString error;
    const QStringList printed = test::pdfLines(path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QStringList expected{
        QStringLiteral("Orvane"),
        QStringLiteral("Tarnwick LLC, ") + QString::fromLatin1(kMakerAddress),
        QStringLiteral("Latitude 33.9 South, Longitude 72.855 West, Standard Time"),
        QStringLiteral("Tuesday, December 21, 2027"),
        QStringLiteral("The sun is never seen east at this location and date"),
        QStringLiteral(
            "The sun will be exactly south at 11:49:28 AM (declination=-23.43 degrees, EoT = 1 minutes, 57 seconds)"),
        QStringLiteral("The sun is never seen west at this location and date"),
    };
    QCOMPARE(printed, expected);
}

void TestReportNoPrinter::cancellingTheSaveDialogWritesNothing()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    NoPrinterBox seen;
    answerBox(QMessageBox::Yes, &seen);
    bool dialogOpened = false;
    answerer_.when<QFileDialog>([&](QFileDialog *d) {
        dialogOpened = true;
        d->setDirectory(out.path());
        d->reject();
    });

    printReport(&window_, inputs());

    QVERIFY(seen.shown);
    QVERIFY(dialogOpened);
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    QCOMPARE(QDir(home_).entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

int main(int argc, char **argv)
{
    // No scheduler behind the socket, no client configuration, no personal
    // default: the process sees no printer at all.
    QTemporaryDir isolated;
    if (!isolated.isValid())
        return 1;
    const QString home = isolated.filePath(QStringLiteral("home"));
    QDir().mkpath(home);
    qputenv("CUPS_SERVER", QFile::encodeName(isolated.filePath(QStringLiteral("no-scheduler.sock"))));
    qputenv("CUPS_SERVERROOT", QFile::encodeName(isolated.path()));
    qputenv("HOME", QFile::encodeName(home));
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");

    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TestReportNoPrinter test(home);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_report_no_printer.moc"
