// The Field Sheet button in the real main window: the sheet's module (and
// the precise sun it carries) is mapped only after the first click, the
// button checks the inputs as Calculate does, and one sheet follows the
// main window's later calculations until Quit.
#include "sheet/field_sheet_link.h"
#include "support/loaded_libraries.h"
#include "support/modal_answerer.h"
#include "support/window_driver.h"
#include "text/web_addresses.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using orvane::test::ModalAnswerer;

namespace {

QList<QWidget *> sheets()
{
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmFieldSheet"))
            found << w;
    return found;
}

QWidget *shownSheet()
{
    for (QWidget *w : sheets())
        if (w->isVisible())
            return w;
    return nullptr;
}

QString sheetText(const char *label) { return shownSheet()->findChild<QLabel *>(label)->text(); }

// What a click on `button` left behind: the boxes' texts, the focus and
// its selection.
QStringList outcome(WindowDriver &d, const ModalAnswerer &boxes, const char *button)
{
    QStringList seen;
    for (const auto &box : boxes.seen)
        seen << box.text;
    // A check that moves no focus leaves it on the button clicked.
    seen << (d.focusName() == QLatin1String(button) ? QStringLiteral("(the button)") : d.focusName());
    if (auto *edit = qobject_cast<QLineEdit *>(d.window.focusWidget()))
        seen << edit->selectedText();
    return seen;
}

} // namespace

class TestSheetMainWindow : public QObject {
    Q_OBJECT
private slots:
    // Must run first in this process.
    void moduleMappedOnlyAfterTheFirstClick()
    {
        WindowDriver d;
        d.enter("6/21/2027", Daylight, "40.655", "72.855", West, 6);
        d.click("CmdCalculate");
        QVERIFY(!d.result().isEmpty());
        QVERIFY(!libraryMapped("liborvane_sheet"));
        QVERIFY(!orvane::fieldSheetModuleLoaded());

        d.type("txtDate", "6/22/2027");
        d.click("cmdFieldSheet");
        QVERIFY(libraryMapped("liborvane_sheet"));
        // It calculated as Calculate does, then opened the sheet beside the window.
        QVERIFY2(d.result().startsWith("Tuesday, June 22, 2027"), qPrintable(d.result()));
        QWidget *sheet = shownSheet();
        QVERIFY(sheet);
        QCOMPARE(sheet->windowTitle(), QStringLiteral("Field Sheet"));
        QVERIFY(!sheet->parentWidget());
        QCOMPARE(sheet->windowModality(), Qt::NonModal);
        QCOMPARE(sheetText("lblDate"), QStringLiteral("Tuesday, June 22, 2027"));
        orvane::closeFieldSheet();
    }

    void checksAsCalculate_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("clock");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<int>("zone");
        QTest::newRow("no date") << "" << int(Daylight) << "40.655"
                                 << "72.855" << 6;
        QTest::newRow("no clock chosen") << "6/21/2027" << int(NoClock) << "40.655"
                                         << "72.855" << 6;
        QTest::newRow("latitude out of range") << "6/21/2027" << int(Daylight) << "95"
                                               << "72.855" << 6;
        QTest::newRow("no time zone") << "6/21/2027" << int(Daylight) << "40.655"
                                      << "72.855" << -1;
        QTest::newRow("far from the zone, answered No") << "6/21/2027" << int(Daylight) << "40.655"
                                                        << "72.855" << 0;
    }
    void checksAsCalculate()
    {
        QFETCH(QString, date);
        QFETCH(int, clock);
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        QFETCH(int, zone);
        QStringList seen[2];
        const char *buttons[2] = {"CmdCalculate", "cmdFieldSheet"};
        for (int i = 0; i < 2; ++i) {
            WindowDriver d;
            d.enter(date, Clock(clock), latitude, longitude, West, zone);
            ModalAnswerer boxes(QMessageBox::No);
            d.click(buttons[i]);
            seen[i] = outcome(d, boxes, buttons[i]);
            QVERIFY(d.result().isEmpty());
        }
        QVERIFY(seen[0].size() > 1);
        QCOMPARE(seen[1], seen[0]);
        QVERIFY(!shownSheet());
    }

    void oneSheetFollowsTheWindowUntilQuit()
    {
        WindowDriver d;
        QStringList opened;
        d.window.setOpenPage([&opened](const QString &url) { opened << url; });
        d.enter("6/21/2027", Daylight, "40.655", "72.855", West, 6);
        d.key(Qt::Key_F, Qt::AltModifier);
        QWidget *sheet = shownSheet();
        QVERIFY(sheet);
        QCOMPARE(sheetText("lblDate"), QStringLiteral("Monday, June 21, 2027"));
        // The sheet's time link does what the main window's does.
        QTest::mouseClick(sheet->findChild<QWidget *>("cmdTimeLink"), Qt::LeftButton);
        QCOMPARE(opened, QStringList{QString::fromLatin1(orvane::kTimeStandardUrl)});

        // A later Calculate shows its inputs in the same sheet.
        d.window.activateWindow();
        d.type("txtDate", "12/21/2027");
        d.choose(Standard);
        d.click("CmdCalculate");
        QCOMPARE(sheets().size(), 1);
        QCOMPARE(shownSheet(), sheet);
        QCOMPARE(sheetText("lblDate"), QStringLiteral("Tuesday, December 21, 2027"));
        QVERIFY(sheetText("lblClockMode").contains("standard time"));
        d.click("cmdFieldSheet");
        QCOMPARE(sheets().size(), 1);

        d.click("CmdQuit");
        QCOMPARE(d.programEnds, 1);
        QVERIFY(!shownSheet());
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TestSheetMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sheet_main_window.moc"
