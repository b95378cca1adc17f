// Print in the real window, to a real CUPS queue started by cups_harness.sh.
#include "main_window/sundial_input.h"
#include "support/modal_answerer.h"
#include "support/named_child.h"
#include "support/pdf_text.h"
#include "text/web_addresses.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace orvane;

class TestPrintEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { answerer_.stopAll(); }
    void printSendsOneOnePageJob();
    void refusedInputPrintsNothing();

private:
    template <class T>
    T *control(const char *name)
    {
        return test::namedChild<T>(window_.get(), name);
    }
    void typeInto(const char *name, const QString &text)
    {
        auto *edit = control<QLineEdit>(name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    // Closes any message box, noting its text, so an unexpected one fails
    // the test instead of hanging it.
    void noteMessageBoxes()
    {
        answerer_.when<QMessageBox>([this](QMessageBox *box) {
            messages_ << box->text();
            box->buttons().constFirst()->click();
            noteMessageBoxes();
        });
    }
    QStringList jobFiles(const char *pattern) const
    {
        return QDir(spool_).entryList({QLatin1String(pattern)}, QDir::Files, QDir::Name);
    }

    QString spool_;
    std::unique_ptr<Sundial_Input> window_;
    test::ModalAnswerer answerer_;
    QStringList messages_;
};

void TestPrintEndToEnd::initTestCase()
{
    const QByteArray unavailable = qgetenv("ORVANE_CUPS_UNAVAILABLE");
    if (!unavailable.isEmpty())
        QSKIP(qPrintable(QStringLiteral("no private CUPS scheduler: ") + QString::fromLocal8Bit(unavailable)));
    spool_ = qEnvironmentVariable("ORVANE_CUPS_SPOOL");
    if (spool_.isEmpty())
        QSKIP("no private CUPS scheduler: run this test through cups_harness.sh");

    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), QStringLiteral("TestPDF"));
    QCOMPARE(jobFiles("d*"), QStringList());

    window_ = std::make_unique<Sundial_Input>();
    window_->setEndProgram([] {});
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TestPrintEndToEnd::printSendsOneOnePageJob()
{
    // The worked example: 21 June 2027, GMT-5 with daylight saving.
    typeInto("txtDate", QStringLiteral("6/21/2027"));
    control<QComboBox>("lstTimeZone")->setCurrentIndex(6);
    typeInto("txtLatitude", QStringLiteral("40.655"));
    typeInto("txtLongitude", QStringLiteral("72.855"));
    QTest::mouseClick(control<QRadioButton>("OptWest"), Qt::LeftButton);
    QTest::mouseClick(control<QRadioButton>("optDstinput"), Qt::LeftButton);
    noteMessageBoxes();

    QTest::mouseClick(control<QPushButton>("cmdPrint"), Qt::LeftButton);

    QCOMPARE(messages_, QStringList());
    // One job with one document: d<job>-<document>. (Control files are
    // written lazily by the scheduler, so they are not counted.)
    QTRY_COMPARE(jobFiles("d*"), QStringList{QStringLiteral("d00001-001")});
    const QString pdf = QDir(spool_).filePath(QStringLiteral("d00001-001"));
    QCOMPARE(test::pdfPageCount(pdf), 1);

    QString error;
    const QStringList printed = test::pdfLines(pdf, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    // The worked example of the result text for these inputs (US English).
    const QStringList expected{
        QStringLiteral("Orvane"),
        QStringLiteral("Tarnwick LLC, ") + QString::fromLatin1(kMakerAddress),
        QStringLiteral("Latitude 40.655 North, Longitude 72.855 West, Daylight Savings Time"),
        QStringLiteral("Monday, June 21, 2027"),
        QStringLiteral("The sun will be exactly east at 8:54:27 AM (declination=23.44 degrees, EoT = MINUS 1 minutes, "
                       "47 seconds)"),
        QStringLiteral("The sun will be exactly south at 12:53:14 PM (declination=23.44 degrees, EoT = MINUS 1 "
                       "minutes, 49 seconds)"),
        QStringLiteral("The sun will be exactly west at 4:52:00 PM (declination=23.44 degrees, EoT = MINUS 1 minutes, "
                       "51 seconds)"),
    };
    QCOMPARE(printed, expected);
    // The window shows the same result as the paper.
    QCOMPARE(test::nonEmpty(control<QLabel>("lblResult")->text().split(QStringLiteral("\r\n"))), expected.mid(3));
}

void TestPrintEndToEnd::refusedInputPrintsNothing()
{
    const QString before = control<QLabel>("lblResult")->text();
    const QStringList jobsBefore = jobFiles("d*");
    typeInto("txtDate", QStringLiteral("2/30/2027"));
    noteMessageBoxes();

    QTest::mouseClick(control<QPushButton>("cmdPrint"), Qt::LeftButton);

    QCOMPARE(messages_.size(), 1); // the date check's own message
    QCOMPARE(control<QLabel>("lblResult")->text(), before);
    QCOMPARE(jobFiles("d*"), jobsBefore);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TestPrintEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_print_e2e.moc"
