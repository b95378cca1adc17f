// The main window as the user meets it: start state, layout, keys, and the
// result of a whole calculation.
#include "support/window_driver.h"
#include "support/worked_examples.h"

#include "calc/trig_functions.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <map>
#include <memory>

namespace {

const char *const kZones[24] = {
    "GMT-11hrs  Midway, Samoa",
    "GMT-10hrs  Hawaii",
    "GMT-9hrs   Alaska",
    "GMT-8hrs   US Pacific Time, Seattle, Los Angeles",
    "GMT-7hrs   US Mountain Time, Denver, Phoenix",
    "GMT-6hrs   US Central Time, Chicago, New Orleans",
    "GMT-5hrs   US Eastern Time, Montreal, New York",
    "GMT-4hrs   Atlantic, Nova Scotia",
    "GMT-3hrs   Greenland",
    "GMT-2hrs  ",
    "GMT-1hrs  ",
    "GMT 0hrs   Western European Time, Greenwich",
    "GMT+1hrs   Middle European Time",
    "GMT+2hrs   Eastern European Time",
    "GMT+3hrs   Moscow",
    "GMT+4hrs   Gorki",
    "GMT+5hrs   ",
    "GMT+6hrs",
    "GMT+7hrs",
    "GMT+8hrs   China",
    "GMT+9hrs   Japan, Korea",
    "GMT+10hrs",
    "GMT+11",
    "GMT+12",
};

const QString kCrLf = "\r\n";

const QString kInstructions =
    "This program helps you determine exact east/west, or north/south lines to aid in the set-up of a sundial.  "
    "Enter the date, your longitude, latitude, time zone, and select daylight savings or standard time.  "
    "The program will determine the time of day that the sun is exactly east, south, and west.  "
    "In the Northern Hemisphere, the sun cannot reach east or west after the autumnal or before the spring "
    "equinoxes.\r\n"
    "Set up a plumb line.  You can use a dish of water to dampen sway caused by the wind.  "
    "At the exact time indicated below, mark the shadow.  It will trace a perfect east/west or north/south "
    "line.\r\n"
    "Your watch must be set accurately to use this method.  "
    "Click on the internet link below to set your watch to an atomic standard.";

struct Geometry {
    const char *name;
    int left, top, width, height; // twips
};

} // namespace

class TestSundialInput : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale("en_US")); }

    void freshStart()
    {
        WindowDriver d;
        QCOMPARE(d.window.windowTitle(), QString("Orvane Finder"));
        QVERIFY(!d.window.windowIcon().isNull());
        QComboBox *z = d.zones();
        QCOMPARE(z->count(), 24 + 1 + 13);
        for (int i = 0; i < 24; ++i)
            QCOMPARE(z->itemText(i), QString(kZones[i]));
        QCOMPARE(z->currentIndex(), -1);
        QCOMPARE(z->currentText(), QString("Select Time Zone"));
        for (const char *name : {"txtDate", "txtLatitude", "txtLongitude"})
            QVERIFY2(d.edit(name)->text().isEmpty(), name);
        for (const char *name : {"OptEast", "OptWest", "optStandardinput", "optDstinput"})
            QVERIFY2(!d.option(name)->isChecked(), name);
        QVERIFY(d.result().isEmpty());
        QCOMPARE(d.focusName(), QString("txtDate"));
        QCOMPARE(d.label("lblText")->text(), kInstructions);
        QCOMPARE(d.label("lblTarnwick")->text(), QString("www.tarnwick.com"));
        // The calculation state is ready before any click.
        QCOMPARE(d.window.state().eventTime[orvane::kSlotMeridian], 0.5);
    }

    // After the 24 whole-hour entries, a separator and the offsets they lack.
    void extraTimeZones()
    {
        WindowDriver d;
        QComboBox *z = d.zones();
        QVERIFY(!(z->model()->flags(z->model()->index(24, 0)) & Qt::ItemIsSelectable));
        const QStringList extra{"GMT-9:30hrs   Marquesas",
                                "GMT-3:30hrs   Newfoundland",
                                "GMT+3:30hrs   Iran",
                                "GMT+4:30hrs   Afghanistan",
                                "GMT+5:30hrs   India, Sri Lanka",
                                "GMT+5:45hrs   Nepal",
                                "GMT+6:30hrs   Myanmar",
                                "GMT+8:45hrs   Eucla",
                                "GMT+9:30hrs   Central Australia",
                                "GMT+10:30hrs  Lord Howe Island",
                                "GMT+12:45hrs  Chatham Islands",
                                "GMT+13hrs     Tonga, Samoa",
                                "GMT+14hrs     Line Islands"};
        for (int i = 0; i < extra.size(); ++i)
            QCOMPARE(z->itemText(25 + i), extra[i]);
        // The Down key passes over the separator, from GMT+12 to the Marquesas.
        d.chooseZone(23);
        d.key(Qt::Key_Down);
        QCOMPARE(z->currentIndex(), 25);
        // India: 30 minutes later than GMT+5 for the same site, by the zone's meridian of 82.5 degrees.
        d.enter("3/20/2027", Standard, "28.6", "77.2", East, -1);
        z->setCurrentIndex(16);
        d.click("CmdCalculate");
        const double gmt5 = d.window.state().zoneMeridian;
        z->setCurrentIndex(29);
        d.click("CmdCalculate");
        QCOMPARE(gmt5, 75.0);
        QCOMPARE(d.window.state().zoneMeridian, 82.5);
        QVERIFY(d.result().contains("exactly south at 12:"));
    }

    void controlsAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        // Fixed-size controls: twips / 15, relative to their container.
        const Geometry table[] = {
            {"Image2", 3048, 840, 6108, 972},       {"lblTarnwick", 4416, 1800, 3372, 492},
            {"Image1", 8760, 1680, 3150, 3435},     {"txtDate", 240, 240, 972, 288},
            {"lstTimeZone", 240, 840, 4215, 315},   {"OptWest", 3240, 1440, 2412, 312},
            {"OptEast", 3240, 1680, 2532, 312},     {"txtLatitude", 240, 1560, 972, 288},
            {"txtLongitude", 1800, 1560, 972, 288}, {"Frame2", 2760, 120, 3135, 612},
            {"optStandardinput", 0, 0, 3132, 252},  {"optDstinput", 0, 240, 3132, 252},
            {"lblResult", 6000, 240, 5055, 1935},
        };
        for (const Geometry &g : table)
            QTest::newRow(g.name) << QString(g.name)
                                  << QRect(qRound(g.left / 15.0), qRound(g.top / 15.0), qRound(g.width / 15.0),
                                           qRound(g.height / 15.0));
    }
    void controlsAtTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        WindowDriver d;
        QWidget *w = d.window.findChild<QWidget *>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), pixels);
    }

    void allControlsExistAndShow()
    {
        WindowDriver d;
        const char *const names[] = {
            "lblTitle",     "Image2",        "lblTarnwick",  "Image1",           "lblText",
            "lblbrowser",   "Frame1",        "CmdCalculate", "CmdQuit",          "cmdPrint",
            "lblSubscript", "txtDate",       "lblDate",      "Frame2",           "lstTimeZone",
            "lblLatitude",  "lblLongitude",  "OptWest",      "txtLatitude",      "txtLongitude",
            "OptEast",      "lblNorthsouth", "lblResult",    "optStandardinput", "optDstinput"};
        QCOMPARE(std::size(names), std::size_t(25));
        const QRect client = d.window.rect();
        for (const char *name : names) {
            QWidget *w = d.get<QWidget>(name);
            QVERIFY2(w->isVisible(), name);
            const QRect inWindow(w->mapTo(&d.window, QPoint(0, 0)), w->size());
            QVERIFY2(client.contains(inWindow), name);
        }
        QVERIFY(d.label("lblText")->height() >= d.label("lblText")->heightForWidth(d.label("lblText")->width()));
        QVERIFY(d.get<QWidget>("lblbrowser")->y() >= d.label("lblText")->geometry().bottom());
    }

    void tabOrderSkipsOptWest()
    {
        WindowDriver d;
        const QStringList forward = {"lstTimeZone", "txtLatitude",   "txtLongitude",     "CmdCalculate",
                                     "CmdQuit",     "OptEast",       "optStandardinput", "optDstinput",
                                     "cmdPrint",    "cmdFieldSheet", "cmdDial",          "txtDate"};
        for (const QString &next : forward) {
            d.key(Qt::Key_Tab);
            QCOMPARE(d.focusName(), next);
        }
        for (int i = forward.size() - 2; i >= -1; --i) {
            d.key(Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(d.focusName(), i >= 0 ? forward[i] : QString("txtDate"));
        }
        // A click still selects it, and clears its partner only.
        d.choose(Daylight);
        d.choose(East);
        d.choose(West);
        QVERIFY(d.option("OptWest")->isChecked());
        QVERIFY(!d.option("OptEast")->isChecked());
        QVERIFY(d.option("optDstinput")->isChecked());
    }

    void optionGroupsAreIndependent()
    {
        WindowDriver d;
        d.choose(East);
        d.choose(Standard);
        d.choose(Daylight);
        QVERIFY(d.option("OptEast")->isChecked());
        QVERIFY(!d.option("optStandardinput")->isChecked());
        d.choose(West);
        d.choose(East);
        QVERIFY(d.option("optDstinput")->isChecked());
        QVERIFY(!d.option("OptWest")->isChecked());
    }

    void enterClicksFocusedButtonOrCalculate_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("clicked");
        for (const char *name : {"txtDate", "txtLatitude", "txtLongitude", "lstTimeZone", "CmdCalculate"}) {
            QTest::newRow(QByteArray(name) + " Return") << QString(name) << int(Qt::Key_Return) << "CmdCalculate";
            QTest::newRow(QByteArray(name) + " keypad Enter") << QString(name) << int(Qt::Key_Enter) << "CmdCalculate";
        }
        // A focused command button is pressed by Enter, as default buttons work.
        for (const char *name : {"CmdQuit", "cmdPrint"}) {
            QTest::newRow(QByteArray(name) + " Return") << QString(name) << int(Qt::Key_Return) << QString(name);
            QTest::newRow(QByteArray(name) + " keypad Enter") << QString(name) << int(Qt::Key_Enter) << QString(name);
        }
    }
    void enterClicksFocusedButtonOrCalculate()
    {
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(QString, clicked);
        WindowDriver d;
        QVERIFY(d.button("CmdCalculate")->isDefault());
        std::map<QString, std::unique_ptr<QSignalSpy>> spies;
        for (const char *name : {"CmdCalculate", "CmdQuit", "cmdPrint"})
            spies[name] = std::make_unique<QSignalSpy>(d.button(name), &QPushButton::clicked);
        d.get<QWidget>(control.toLatin1())->setFocus();
        // The empty date stops Calculate and Print at their first check.
        orvane::test::ModalAnswerer boxes(QMessageBox::Ok);
        d.key(Qt::Key(key));
        for (const auto &[name, spy] : spies)
            QCOMPARE(spy->count(), name == clicked ? 1 : 0);
        QCOMPARE(d.programEnds, clicked == "CmdQuit" ? 1 : 0);
        QCOMPARE(d.zones()->count(), 38);
    }

    void quitEndsAtOnce_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Escape in the date box") << 0;
        QTest::newRow("Escape in the time-zone box") << 1;
        QTest::newRow("Alt+Q") << 2;
        QTest::newRow("Quit button") << 3;
    }
    void quitEndsAtOnce()
    {
        QFETCH(int, how);
        WindowDriver d;
        orvane::test::ModalAnswerer boxes(QMessageBox::Ok);
        if (how == 1)
            d.zones()->setFocus();
        if (how <= 1)
            d.key(Qt::Key_Escape);
        else if (how == 2)
            d.key(Qt::Key_Q, Qt::AltModifier);
        else
            d.click("CmdQuit");
        QCOMPARE(d.programEnds, 1);
        QVERIFY(!d.window.isVisible());
        QCOMPARE(boxes.seen.size(), std::size_t(0)); // no question first
    }

    void altPRunsTheChecksOfPrint()
    {
        WindowDriver d;
        orvane::test::ModalAnswerer boxes(QMessageBox::Ok);
        d.key(Qt::Key_P, Qt::AltModifier);
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QCOMPARE(boxes.seen.front().text, QString("Please enter a valid date"));
        QCOMPARE(d.focusName(), QString("txtDate"));
    }

    void typingNeverAddsAZone()
    {
        WindowDriver d;
        d.zones()->setFocus();
        QTest::keyClicks(d.zones(), "GMT+13 Nowhere");
        orvane::test::ModalAnswerer boxes(QMessageBox::Ok);
        d.key(Qt::Key_Return);
        QCOMPARE(d.zones()->count(), 38);
        QCOMPARE(d.zones()->currentIndex(), -1);
    }

    void calcErrorsShowAnErrorBox()
    {
        WindowDriver d;
        orvane::test::ModalAnswerer boxes(QMessageBox::Ok);
        QCOMPARE(orvane::arcCos(1.5), 0.0);
        QCOMPARE(boxes.seen.size(), std::size_t(1));
        QCOMPARE(boxes.seen.front().title, QString("Orvane"));
        QCOMPARE(boxes.seen.front().icon, QMessageBox::Critical);
        QCOMPARE(boxes.seen.front().text, QString("Input out of ArcCos range"));
    }

    void resultText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("clock");
        QTest::addColumn<QString>("lat");
        QTest::addColumn<QString>("lon");
        QTest::addColumn<QString>("expected");
        QTest::newRow("en_US summer, worked example")
            << "en_US"
            << "6/21/2027" << int(Daylight) << "40.655"
            << "72.855"
            << orvane::test::summerResult("Monday, June 21, 2027", "8:54:27 AM", "12:53:14 PM", "4:52:00 PM", "23.44");
        QTest::newRow("en_US winter, worked example")
            << "en_US"
            << "12/21/2027" << int(Standard) << "40.655"
            << "72.855" << orvane::test::winterResult("Tuesday, December 21, 2027", "11:49:28 AM", "-23.43");
        QTest::newRow("en_GB summer") << "en_GB"
                                      << "6/21/2027" << int(Daylight) << "40.655"
                                      << "72.855"
                                      << orvane::test::summerResult("Monday, June 21, 2027", "08:54:27", "12:53:14",
                                                                    "16:52:00", "23.44");
        QTest::newRow("en_GB winter, ISO date")
            << "en_GB"
            << "2027-12-21" << int(Standard) << "40.655"
            << "72.855" << orvane::test::winterResult("Tuesday, December 21, 2027", "11:49:28", "-23.43");
        QTest::newRow("de_DE summer, decimal comma")
            << "de_DE"
            << "6/21/2027" << int(Daylight) << "40,655"
            << "72,855"
            << orvane::test::summerResult("Montag, Juni 21, 2027", "08:54:27", "12:53:14", "16:52:00", "23,44");
        QTest::newRow("de_DE winter, decimal point")
            << "de_DE"
            << "12/21/2027" << int(Standard) << "40.655"
            << "72.855" << orvane::test::winterResult("Dienstag, Dezember 21, 2027", "11:49:28", "-23,43");
    }
    void resultText()
    {
        QFETCH(QString, locale);
        QFETCH(QString, date);
        QFETCH(int, clock);
        QFETCH(QString, lat);
        QFETCH(QString, lon);
        QFETCH(QString, expected);
        QLocale::setDefault(QLocale(locale));
        WindowDriver d;
        d.enter(date, Clock(clock), lat, lon, West, 6);
        d.edit("txtLongitude")->setFocus();
        orvane::test::ModalAnswerer boxes(QMessageBox::Ok);
        d.key(Qt::Key_Return);
        QCOMPARE(boxes.seen.size(), std::size_t(0));
        QCOMPARE(d.result(), expected);
    }

    // As maps and receivers write them: the letters choose West over the
    // East button, and a pair pasted into the latitude box fills both.
    void coordinatesAsPeopleWriteThem_data()
    {
        QTest::addColumn<QString>("lat");
        QTest::addColumn<QString>("lon");
        QTest::addColumn<QString>("latAfter");
        QTest::addColumn<QString>("lonAfter");
        QTest::newRow("degrees, minutes and seconds with letters") << "40°39'18\"N"
                                                                   << "72°51'18\"W"
                                                                   << "40°39'18\"N"
                                                                   << "72°51'18\"W";
        QTest::newRow("degrees and minutes, letter first") << "N 40 39.3"
                                                           << "W 72 51.3"
                                                           << "N 40 39.3"
                                                           << "W 72 51.3";
        QTest::newRow("a pair pasted into the latitude box") << "40.655, -72.855"
                                                             << ""
                                                             << "40.655"
                                                             << "72.855";
    }
    void coordinatesAsPeopleWriteThem()
    {
        QFETCH(QString, lat);
        QFETCH(QString, lon);
        WindowDriver d;
        d.enter("6/21/2027", Daylight, lat, lon, East, 6);
        d.type("txtLatitude", lat); // last, as a pasted pair comes
        orvane::test::ModalAnswerer boxes(QMessageBox::Ok);
        d.click("CmdCalculate");
        QCOMPARE(boxes.seen.size(), std::size_t(0));
        QTEST(d.edit("txtLatitude")->text(), "latAfter");
        QTEST(d.edit("txtLongitude")->text(), "lonAfter");
        QVERIFY(d.option("OptWest")->isChecked());
        QCOMPARE(d.result(), orvane::test::summerResult("Monday, June 21, 2027", "8:54:27 AM", "12:53:14 PM",
                                                        "4:52:00 PM", "23.44"));
    }

    void secondCalculateReplacesTheFirst()
    {
        WindowDriver d;
        d.enter("6/21/2027", Daylight, "40.655", "72.855", West, 6);
        orvane::test::ModalAnswerer boxes(QMessageBox::Ok);
        d.click("CmdCalculate");
        QVERIFY(d.result().contains("exactly east"));
        d.type("txtDate", "12/21/2027");
        d.choose(Standard);
        d.click("CmdCalculate");
        QCOMPARE(boxes.seen.size(), std::size_t(0));
        QCOMPARE(d.result(), orvane::test::winterResult("Tuesday, December 21, 2027", "11:49:28 AM", "-23.43"));
    }

    void longResultStaysReadable()
    {
        WindowDriver d;
        d.enter("6/21/2027", Daylight, "40.655", "72.855", West, 6);
        orvane::test::ModalAnswerer boxes(QMessageBox::Ok);
        d.click("CmdCalculate");
        QLabel *result = d.label("lblResult");
        QVERIFY(!result->text().isEmpty());
        // The whole text fits the label, and the label its frame and the
        // frame the window.
        QVERIFY(result->height() >= result->heightForWidth(result->width()));
        QWidget *frame = d.get<QWidget>("Frame1");
        QVERIFY(frame->rect().contains(result->geometry()));
        QVERIFY(d.window.rect().contains(frame->geometry()));
        for (const char *below : {"CmdCalculate", "CmdQuit", "cmdPrint", "lblSubscript"}) {
            QWidget *w = d.get<QWidget>(below);
            QVERIFY2(w->y() > frame->geometry().bottom(), below);
            QVERIFY2(d.window.rect().contains(w->geometry()), below);
        }
    }
};

QTEST_MAIN(TestSundialInput)
#include "tst_sundial_input.moc"
