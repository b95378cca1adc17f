// The Dial button in the real main window: the designer's module is mapped
// only after the first click, the button checks the inputs as Calculate
// does, and one designer follows the later calculations until Quit.
#include "designer/dial_designer_link.h"
#include "forms/spoken_text.h"
#include "sheet/field_sheet_link.h"
#include "support/loaded_libraries.h"
#include "support/modal_answerer.h"
#include "support/window_driver.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

using orvane::test::ModalAnswerer;

namespace {

QWidget *shownDesigner(int *count = nullptr)
{
    QWidget *shown = nullptr;
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmDialDesigner")) {
            ++n;
            if (w->isVisible())
                shown = w;
        }
    if (count)
        *count = n;
    return shown;
}

// The place search, a window of its own.
QWidget *placeSearch()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("dlgPlaceSearch"))
            return w;
    return nullptr;
}

QString siteLine() { return shownDesigner()->findChild<QLabel *>("lblSite")->text(); }

} // namespace

class TestDesignerMainWindow : public QObject {
    Q_OBJECT
private slots:
    // Must run first in this process.
    void moduleMappedOnlyAfterTheFirstClick()
    {
        WindowDriver d;
        d.enter("6/21/2027", Daylight, "40.655", "72.855", West, 6);
        d.click("CmdCalculate");
        QVERIFY(!d.result().isEmpty());
        QVERIFY(!libraryMapped("liborvane_designer"));
        QVERIFY(!orvane::dialDesignerModuleLoaded());

        d.type("txtDate", "6/22/2027");
        d.click("cmdDial");
        QVERIFY(libraryMapped("liborvane_designer"));
        // It calculated as Calculate does, then opened the designer beside the window.
        QVERIFY2(d.result().startsWith("Tuesday, June 22, 2027"), qPrintable(d.result()));
        QWidget *designer = shownDesigner();
        QVERIFY(designer);
        QCOMPARE(designer->windowTitle(), QStringLiteral("Dial Designer"));
        QVERIFY(!designer->parentWidget());
        QCOMPARE(siteLine(), QStringLiteral("40.655 N 72.855 W, Tuesday, June 22, 2027"));
        // The list entry's region reached the card.
        QVERIFY(designer->findChild<QLabel *>("lblClock")
                    ->text()
                    .contains("summer time by the rules of America/New_York: 14 March to 7 November 2027"));
        orvane::closeDialDesigner();
    }

    // A place found by name (Ctrl+L) fills the site and the clock its zone
    // keeps on the date, and the card follows that zone's rules; a list
    // entry alone follows its region's; the list changed by hand drops the
    // place's zone. Summer time: the card's 2 July row adds an hour more
    // than its 1 January row in the north, an hour less in the south (the
    // equation of time moves it by minutes).
    void cardFollowsThePlace_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<int>("zone");
        QTest::addColumn<bool>("byHand");
        QTest::addColumn<int>("julyHours"); // July's add less January's, in whole hours
        QTest::addColumn<QString>("clock");
        QTest::newRow("New York by name") << "New York" << -1 << false << 1 << "America/New_York";
        QTest::newRow("New York's list entry alone") << "" << 6 << false << 1 << "America/New_York";
        QTest::newRow("Paris, France by name") << "Paris, France" << -1 << false << 1 << "Europe/Paris";
        QTest::newRow("Phoenix by name: no summer time") << "Phoenix" << -1 << false << 0 << "UTC-7";
        QTest::newRow("Phoenix, then its list entry by hand: Denver's rules")
            << "Phoenix" << -1 << true << 1 << "America/Denver";
        QTest::newRow("Sydney by name: summer in January")
            << "Sydney, Australia" << -1 << false << -1 << "Australia/Sydney";
    }
    void cardFollowsThePlace()
    {
        QFETCH(QString, place);
        QFETCH(int, zone);
        QFETCH(bool, byHand);
        QFETCH(int, julyHours);
        QFETCH(QString, clock);
        WindowDriver d;
        d.window.show();
        if (place.isEmpty()) {
            d.enter("1/15/2027", Standard, "40.7", "74", West, zone);
        } else {
            d.type("txtDate", "1/15/2027");
            d.key(Qt::Key_L, Qt::ControlModifier);
            QWidget *search = placeSearch();
            QVERIFY(search);
            QTRY_COMPARE(QApplication::activeWindow(), search);
            auto *name = search->findChild<QLineEdit *>("txtPlaceName");
            QTest::keyClicks(name, place);
            QTest::keyClick(name, Qt::Key_Return);
            QVERIFY(!search->isVisible());
        }
        if (byHand) {
            QTest::keyClick(d.zones(), Qt::Key_Down);
            QTest::keyClick(d.zones(), Qt::Key_Up);
        }
        d.click("cmdDial");
        QWidget *designer = shownDesigner();
        QVERIFY(designer);
        const QString note = designer->findChild<QLabel *>("lblClock")->text();
        QVERIFY2(note.contains(clock), qPrintable(note));
        auto *card = designer->findChild<QTableWidget *>("tblCard");
        const auto addOn = [card](const QString &day) {
            for (int row = 0; row < card->rowCount(); ++row)
                if (card->item(row, 0)->text() == day)
                    return QLocale().toDouble(card->item(row, 2)->text());
            return qQNaN();
        };
        const double jump = addOn("2 Jul") - addOn("1 Jan");
        QVERIFY2(std::fabs(jump - 3600 * julyHours) < 900, qPrintable(QString::number(jump)));
        orvane::closeDialDesigner();
    }

    // What the place filled, said once where the result was: the words
    // as the boxes and the options hold them.
    void placeFillsTheInputs_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("from");
        QTest::newRow("Zürich, north and east") << "zurich"
                                                << "Zürich, Zurich, Switzerland";
        QTest::newRow("Buenos Aires, south and west") << "buenos aires"
                                                      << "Buenos Aires, Buenos Aires F.D., Argentina";
    }
    void placeFillsTheInputs()
    {
        QFETCH(QString, query);
        QFETCH(QString, from);
        WindowDriver d;
        d.window.show();
        d.type("txtDate", "6/21/2027");
        d.key(Qt::Key_L, Qt::ControlModifier);
        QWidget *search = placeSearch();
        QVERIFY(search);
        QTRY_COMPARE(QApplication::activeWindow(), search);
        auto *name = search->findChild<QLineEdit *>("txtPlaceName");
        QTest::keyClicks(name, query);
        const QString entry = search->findChild<QListWidget *>("lstPlaces")->currentItem()->text();
        QVERIFY2(entry.startsWith(from + " ("), qPrintable(entry));
        QTest::keyClick(name, Qt::Key_Return);
        if (query == "zurich") {
            // GeoNames: Zürich 47.36667 N, 8.55 E, Europe/Zurich, summer time in June.
            QCOMPARE(d.edit("txtLatitude")->text(), QStringLiteral("47.36667"));
            QCOMPARE(d.edit("txtLongitude")->text(), QStringLiteral("8.55"));
            QVERIFY(d.option("OptEast")->isChecked());
            QVERIFY(d.option("optDstinput")->isChecked());
            QVERIFY(d.zones()->currentText().startsWith("GMT+1"));
        }
        QCOMPARE(d.focusName(), QStringLiteral("txtLatitude"));
        const double latitude = QLocale().toDouble(d.edit("txtLatitude")->text());
        const QString said = QStringLiteral("Filled from %1: latitude %2 %3, longitude %4 %5, %6, %7.")
                                 .arg(from, QString::number(std::fabs(latitude), 'g', 12), latitude < 0 ? "S" : "N",
                                      d.edit("txtLongitude")->text(), d.option("OptWest")->isChecked() ? "W" : "E",
                                      d.zones()->currentText().simplified(),
                                      d.option("optDstinput")->isChecked() ? "Daylight Savings Time" : "Standard Time");
        QCOMPARE(d.result(), said);
    }

    // Up and Down in the name box go through the places a row at a time and
    // stop at either end; the list's row is what a reader says, the status
    // line shows its place in the list without announcing it a second time.
    void placeListUpAndDown_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QList<int>>("rows"); // after each key, -1: the last row
        QTest::newRow("down and back up") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up} << QList<int>{1, 2, 1};
        QTest::newRow("up stops at the first")
            << QList<int>{Qt::Key_Up, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up} << QList<int>{0, 1, 0, 0};
        QList<int> downs(13, Qt::Key_Down), rows;
        for (int i = 1; i <= 13; ++i)
            rows << (i < 11 ? i : -1);
        QTest::newRow("down stops at the last") << downs << rows;
    }
    void placeListUpAndDown()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QList<int>, rows);
        WindowDriver d;
        d.window.show();
        d.key(Qt::Key_L, Qt::ControlModifier);
        QWidget *search = placeSearch();
        QTRY_COMPARE(QApplication::activeWindow(), search);
        auto *name = search->findChild<QLineEdit *>("txtPlaceName");
        auto *list = search->findChild<QListWidget *>("lstPlaces");
        auto *status = search->findChild<orvane::SpokenLabel *>("lblPlaceStatus");
        name->clear();
        QTest::keyClicks(name, "Springfield");
        QCOMPARE(list->count(), 12);
        QSignalSpy announced(status, &orvane::SpokenLabel::announced);
        for (int i = 0; i < keys.size(); ++i) {
            QTest::keyClick(name, Qt::Key(keys[i]));
            const int want = rows[i] < 0 ? list->count() - 1 : rows[i];
            QCOMPARE(list->currentRow(), want);
            const QString shown = status->spokenText();
            QVERIFY2(shown.startsWith(QStringLiteral("%1 of 12: ").arg(want + 1)), qPrintable(shown));
            QCOMPARE(shown.count(list->item(want)->text()), 1);
        }
        QTest::qWait(2 * orvane::SpokenLabel::kRestMs);
        QCOMPARE(announced.count(), 0);
        static_cast<QDialog *>(search)->reject();
    }

    // A refusal leaves the same boxes and focus as Calculate's, and no designer.
    void checksAsCalculate_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<int>("zone");
        QTest::newRow("no date") << ""
                                 << "40.655" << 6;
        QTest::newRow("latitude out of range") << "6/21/2027"
                                               << "95" << 6;
        QTest::newRow("far from the zone, answered No") << "6/21/2027"
                                                        << "40.655" << 0;
    }
    void checksAsCalculate()
    {
        QFETCH(QString, date);
        QFETCH(QString, latitude);
        QFETCH(int, zone);
        QStringList seen[2];
        const char *buttons[2] = {"CmdCalculate", "cmdDial"};
        for (int i = 0; i < 2; ++i) {
            WindowDriver d;
            d.enter(date, Daylight, latitude, "72.855", West, zone);
            ModalAnswerer boxes(QMessageBox::No);
            d.click(buttons[i]);
            for (const auto &box : boxes.seen)
                seen[i] << box.text;
            seen[i] << d.focusName();
            QVERIFY(d.result().isEmpty());
        }
        QVERIFY(seen[0].size() > 1);
        QCOMPARE(seen[1], seen[0]);
        QVERIFY(!shownDesigner());
    }

    void oneDesignerFollowsTheWindowUntilQuit()
    {
        WindowDriver d;
        d.enter("6/21/2027", Daylight, "40.655", "72.855", West, 6);
        d.key(Qt::Key_D, Qt::AltModifier);
        QWidget *designer = shownDesigner();
        QVERIFY(designer);
        QCOMPARE(siteLine(), QStringLiteral("40.655 N 72.855 W, Monday, June 21, 2027"));

        // Each later calculation shows its inputs in the same designer.
        const char *buttons[] = {"CmdCalculate", "cmdFieldSheet", "cmdDial"};
        const char *latitudes[] = {"41", "42", "43"};
        for (int i = 0; i < 3; ++i) {
            d.window.activateWindow();
            d.type("txtLatitude", latitudes[i]);
            d.click(buttons[i]);
            int count = 0;
            QCOMPARE(shownDesigner(&count), designer);
            QCOMPARE(count, 1);
            QVERIFY2(siteLine().startsWith(QLatin1String(latitudes[i]) + " N"), qPrintable(siteLine()));
        }

        d.click("CmdQuit");
        QCOMPARE(d.programEnds, 1);
        QVERIFY(!shownDesigner());
    }

    // A wall measured on the Field Sheet becomes the designer's vertical dial:
    // read at the sun's bearing 190 with the shadow 30 degrees clockwise,
    // the wall faces 190 - 30 = 160 (the sign worked in the command line's test),
    // with 20, 170. An open designer takes it at once; one opened later, when
    // it opens. Each row's own facing, as the windows outlive a row.
    void wallFromTheSheet_data()
    {
        QTest::addColumn<bool>("designerOpenFirst");
        QTest::addColumn<QString>("shadow");
        QTest::addColumn<double>("expected");
        QTest::newRow("designer open during the reading") << true << "30" << 160.0;
        QTest::newRow("designer opened after the reading") << false << "20" << 170.0;
    }
    void wallFromTheSheet()
    {
        QFETCH(bool, designerOpenFirst);
        QFETCH(QString, shadow);
        QFETCH(double, expected);
        WindowDriver d;
        d.enter("6/21/2027", Daylight, "40.655", "72.855", West, 6);
        if (designerOpenFirst)
            d.click("cmdDial");
        d.click("cmdFieldSheet");
        QWidget *sheet = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmFieldSheet") && w->isVisible())
                sheet = w;
        QVERIFY(sheet);
        auto *wall = sheet->findChild<QTableWidget *>("tblWall");
        QVERIFY(wall);
        wall->setItem(0, 0, new QTableWidgetItem(QStringLiteral("13:06:14")));
        wall->setItem(0, 1, new QTableWidgetItem(shadow));
        if (!designerOpenFirst)
            d.click("cmdDial");
        QWidget *designer = shownDesigner();
        QVERIFY(designer);
        QCOMPARE(designer->findChild<QComboBox *>("cboType")->currentText(), QStringLiteral("Vertical"));
        const double facing = QLocale().toDouble(designer->findChild<QLineEdit *>("txtFacing")->text());
        QVERIFY2(std::fabs(facing - expected) <= 0.01, qPrintable(QString::number(facing)));
        orvane::closeDialDesigner();
        orvane::closeFieldSheet();
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TestDesignerMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_designer_main_window.moc"
