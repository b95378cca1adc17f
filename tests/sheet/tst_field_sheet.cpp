// The Field Sheet window on its own: its figures against the field data for
// the same inputs, the countdown and its tick with an injected clock, and
// the keyboard and assistive technology's view of it.
#include "field/compass_words.h"
#include "field/field_data.h"
#include "forms/spoken_text.h"
#include "sheet/frm_field_sheet.h"
#include "sheet/sheet_text.h"
#include "sheet/sun_at_text.h"
#include "support/named_child.h"
#include "text/clock_text.h"
#include "text/result_text.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimeEdit>

using namespace orvane;

struct Site {
    QDate date;
    double latitude;
    double longitude;
    int offsetMinutes;
    bool daylightSaving;
};
Q_DECLARE_METATYPE(Site)

namespace {

SheetRequest requestFor(const Site &s)
{
    SheetRequest r{s.date, s.latitude, s.longitude, s.longitude < 0, SiteClock(s.offsetMinutes, s.daylightSaving)};
    r.clock.zoneIndex = 6; // "GMT-5hrs   US Eastern Time, Montreal, New York"
    return r;
}

FieldInputs inputsFor(const Site &s)
{
    FieldInputs in;
    static_cast<AcceptedSite &>(in) = requestFor(s);
    in.days = 14;
    return in;
}

// The field data as the command line computes it for the same site.
FieldData expectedData(const Site &s) { return computeFieldData(inputsFor(s)); }

const Site kNewYorkSummer{QDate(2027, 6, 21), 40.655, -72.855, -300, true};

QString blockText(FrmFieldSheet &sheet, FieldEvent e, const char *label)
{
    auto *block =
        test::namedChild<QGroupBox>(&sheet, qPrintable(QStringLiteral("grp") + (e == FieldEvent::East   ? "East"
                                                                                : e == FieldEvent::West ? "West"
                                                                                                        : "Meridian")));
    return test::namedChild<QLabel>(block, label)->text();
}

QString degrees(double value, const QLocale &l) { return l.toString(value, 'f', 1) + QChar(0x00B0); }

// The named control that holds the focus; inner parts have Qt's own names.
QString focusName(QWidget *window)
{
    for (QWidget *f = window->focusWidget(); f; f = f->parentWidget())
        if (!f->objectName().isEmpty() && !f->objectName().startsWith("qt_"))
            return f->objectName();
    return {};
}

} // namespace

class TestFieldSheet : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void figuresEqualFieldData_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<Site>("site");
        QTest::addColumn<QString>("height"); // typed into the plumb line's box
        QTest::addColumn<double>("heightM");
        QTest::newRow("New York, 21 June 2027, daylight saving") << "en_US" << kNewYorkSummer << "" << 1.0;
        QTest::newRow("New York, 21 December 2027: east and west never seen")
            << "en_US" << Site{QDate(2027, 12, 21), 40.655, -72.855, -300, false} << "2.5" << 2.5;
        QTest::newRow("Lima in March, German: the sun culminates north")
            << "de_DE" << Site{QDate(2027, 3, 5), -12.05, -77.04, -300, false} << "1,5" << 1.5;
        QTest::newRow("Tromso at midwinter: the meridian below the horizon")
            << "en_GB" << Site{QDate(2027, 12, 21), 69.65, 18.96, 60, false} << "" << 1.0;
    }
    void figuresEqualFieldData()
    {
        QFETCH(QString, locale);
        QFETCH(Site, site);
        QFETCH(QString, height);
        QFETCH(double, heightM);
        QLocale::setDefault(QLocale(locale));
        const QLocale l;
        FrmFieldSheet sheet;
        sheet.setRequest(requestFor(site));
        if (!height.isEmpty()) {
            test::namedChild<QLineEdit>(&sheet, "txtHeight")->setText(height);
            QCOMPARE(sheet.plumbHeightM(), heightM);
        }
        const FieldData d = expectedData(site);

        for (const EventField &f : d.events) {
            const QString clock = blockText(sheet, f.event, "lblClock");
            if (!f.seen) {
                QCOMPARE(clock, QStringLiteral("never seen"));
                continue;
            }
            QCOMPARE(clock, timeText(f.methodClock / 86400, l));
            if (f.preciseClock)
                QVERIFY(blockText(sheet, f.event, "lblPrecise").contains(timeTextTenths(*f.preciseClock, l)));
            QVERIFY(blockText(sheet, f.event, "lblAltitude").endsWith(degrees(f.altitudeDeg, l)));
            const QString shadow = blockText(sheet, f.event, "lblShadow");
            QVERIFY2(shadow.contains(degrees(f.shadowBearingDeg, l)), qPrintable(shadow));
            if (f.shadowLengthPerM)
                QVERIFY2(shadow.contains(l.toString(*f.shadowLengthPerM * heightM, 'f', 2) + " m"), qPrintable(shadow));
            const QString notes = blockText(sheet, f.event, "lblNotes");
            for (FieldNote n : f.notes)
                QVERIFY2(notes.contains(fieldNoteText(n), Qt::CaseInsensitive), qPrintable(notes));
        }

        // The plan's description says what the drawing shows of each shadow.
        const QString plan = test::namedChild<QWidget>(&sheet, "planView")->accessibleDescription();
        for (const EventField &f : d.events)
            if (f.seen && f.shadowLengthPerM)
                for (const QString &part : {timeText(f.methodClock / 86400, l), degrees(f.shadowBearingDeg, l),
                                            l.toString(*f.shadowLengthPerM * heightM, 'f', 2) + " m long"})
                    QVERIFY2(plan.contains(part), qPrintable(plan));

        // The table around the first seen event, its own row in the middle.
        auto *around = test::namedChild<QTableWidget>(&sheet, "tblAround");
        QCOMPARE(around->rowCount(), 21);
        const EventField &first =
            *std::find_if(std::begin(d.events), std::end(d.events), [](auto &f) { return f.seen; });
        QCOMPARE(around->item(10, 0)->text(), timeText(first.methodClock / 86400, l));
        QVERIFY(around->item(10, 0)->font().bold());
        for (int r = 0; r < 21; ++r) {
            const AroundRow &row = d.around[std::size_t(r)];
            QCOMPARE(around->item(r, 3)->text(), degrees(row.shadowBearingDeg, l));
        }

        // The coming days, the first being the date itself.
        auto *days = test::namedChild<QTableWidget>(&sheet, "tblDays");
        QCOMPARE(days->rowCount(), 14);
        for (int r = 0; r < 14; ++r)
            for (int k = 0; k < 3; ++k) {
                const std::optional<double> &t = d.days[std::size_t(r)].method[k];
                QCOMPARE(days->item(r, k + 1)->text(), t ? timeText(*t / 86400, l) : QStringLiteral("never"));
            }

        // A mark two minutes after the first event: its line and its turn.
        auto *mark = test::namedChild<QTimeEdit>(&sheet, "timMark");
        mark->setTime(QTime(0, 0).addSecs(int(first.methodClock) + 120));
        const MarkField m = markAt(inputsFor(site), first.methodClock + 120);
        const QString said = test::namedChild<QLabel>(&sheet, "lblMarkResult")->text();
        QVERIFY2(said.contains(trueLineName(m.line) + " line"), qPrintable(said));
        QVERIFY2(said.contains(degrees(std::fabs(m.turnDeg), l)), qPrintable(said));
    }

    // The sheet's words for the way the shadow turns and the way to turn a
    // mark made ten minutes after due east (worked in the command line's test).
    void turnWords_data()
    {
        QTest::addColumn<Site>("site");
        QTest::addColumn<QString>("shadowTurns");
        QTest::addColumn<QString>("turnMark");
        QTest::newRow("New York, June") << kNewYorkSummer << "a minute, clockwise"
                                        << "anticlockwise (seen from above)";
        QTest::newRow("Sydney, December")
            << Site{QDate(2027, 12, 21), -33.87, 151.21, 600, true} << "a minute, anticlockwise"
            << " clockwise (seen from above)";
    }
    void turnWords()
    {
        QFETCH(Site, site);
        QFETCH(QString, shadowTurns);
        QFETCH(QString, turnMark);
        FrmFieldSheet sheet;
        sheet.setRequest(requestFor(site));
        QVERIFY(blockText(sheet, FieldEvent::East, "lblTurn").endsWith(shadowTurns));
        const double east = *expectedData(site).events[0].preciseClock;
        test::namedChild<QTimeEdit>(&sheet, "timMark")->setTime(QTime(0, 0).addSecs(int(east) + 600));
        const QString said = test::namedChild<QLabel>(&sheet, "lblMarkResult")->text();
        QVERIFY2(said.contains(turnMark), qPrintable(said));
    }

    // Typed over the whole box, or pasted, as the command line's --mark takes it.
    void markBoxReadsTypedTimes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QTime>("time");
        QTest::newRow("8:55:10") << "8:55:10" << false << QTime(8, 55, 10);
        QTest::newRow("08:55, no seconds") << "08:55" << false << QTime(8, 55);
        QTest::newRow("8:55:10 AM") << "8:55:10 AM" << false << QTime(8, 55, 10);
        QTest::newRow("4:52 pm") << "4:52 pm" << false << QTime(16, 52);
        QTest::newRow("20:55:10 pasted") << "20:55:10" << true << QTime(20, 55, 10);
        // Not selected first: the digits fill the sections, ":" moves on.
        QTest::newRow("8:55:10 AM into the sections") << "8:55:10 AM" << false << QTime(8, 55, 10);
    }
    void markBoxReadsTypedTimes()
    {
        QFETCH(QString, typed);
        QFETCH(bool, paste);
        QFETCH(QTime, time);
        FrmFieldSheet sheet;
        sheet.setRequest(requestFor(kNewYorkSummer));
        sheet.show();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        auto *mark = test::namedChild<QTimeEdit>(&sheet, "timMark");
        mark->setFocus();
        if (QString(QTest::currentDataTag()).endsWith("sections"))
            QTest::keyClick(mark, Qt::Key_Home);
        else
            QTest::keyClick(mark, Qt::Key_A, Qt::ControlModifier);
        if (paste) {
            QGuiApplication::clipboard()->setText(typed);
            QTest::keyClick(mark, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(mark, typed);
        }
        QCOMPARE(mark->time(), time);
        QCOMPARE(QApplication::focusWidget(), mark);
        QVERIFY(test::namedChild<QLabel>(&sheet, "lblMarkResult")
                    ->text()
                    .contains(
                        markText(markAt(inputsFor(kNewYorkSummer), time.msecsSinceStartOfDay() / 1000.0), QLocale())));
    }

    void unusableMomentStandsOut()
    {
        FrmFieldSheet sheet;
        sheet.setRequest(requestFor({QDate(2027, 12, 21), 69.65, 18.96, 60, false}));
        auto *block = test::namedChild<QGroupBox>(&sheet, "grpMeridian");
        QVERIFY(test::namedChild<QLabel>(block, "lblNotes")->font().bold());
        QCOMPARE(test::namedChild<QLabel>(block, "lblClock")->palette().color(QPalette::WindowText), QColor(170, 0, 0));
        QVERIFY(test::namedChild<QLabel>(&sheet, "lblShadowless")->text().contains("Meridian: sun below the horizon"));
    }

    // The compass's line in the header, in the locale's numbers, west or east
    // as the model's declination lies (New York's about 13 degrees west,
    // Tromsø's about 12 east: NOAA's declination maps); 2031 is past the model.
    void compassLine_data()
    {
        QTest::addColumn<Site>("site");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("side"); // empty: not covered
        QTest::newRow("New York, June 2027: west") << kNewYorkSummer << "en_US"
                                                   << "west";
        QTest::newRow("Tromsø, December 2027, in German: east")
            << Site{QDate(2027, 12, 21), 69.65, 18.96, 60, false} << "de_DE"
            << "east";
        QTest::newRow("New York, June 2031: past the model")
            << Site{QDate(2031, 6, 21), 40.655, -72.855, -300, true} << "en_US"
            << "";
    }
    void compassLine()
    {
        QFETCH(Site, site);
        QFETCH(QString, locale);
        QFETCH(QString, side);
        QLocale::setDefault(QLocale(locale));
        FrmFieldSheet sheet;
        sheet.setRequest(requestFor(site));
        const QString line = test::namedChild<QLabel>(&sheet, "lblCompass")->text();
        const double d =
            compassReading(site.latitude, site.longitude, site.date).value_or(CompassReading{}).declinationDeg;
        const QString points = side.isEmpty()
                                   ? "not given for this date"
                                   : "its needle points " + degrees(std::abs(d), QLocale(locale)) + u' ' + side;
        QVERIFY2(line.startsWith("Compass: " + points), qPrintable(line));
    }

    // A site changed as the sheet opens refills the table before the sheet
    // centres the chosen row: the row must be the new one, not a freed one.
    void siteChangedAsSheetOpens()
    {
        FrmFieldSheet sheet;
        sheet.setRequest(requestFor(kNewYorkSummer));
        sheet.show();
        sheet.setRequest(requestFor({QDate(2027, 12, 21), 69.65, 18.96, 60, false}));
        auto *table = test::namedChild<QTableWidget>(&sheet, "tblAround");
        QTRY_VERIFY(table->currentItem());
        QTRY_VERIFY(table->viewport()->rect().intersects(table->visualItemRect(table->currentItem())));
    }

    void countdown_data()
    {
        QTest::addColumn<int>("fromEast"); // seconds from the east time, 8:54:27 AM
        QTest::addColumn<int>("dayShift");
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("next"); // empty: no today box
        // The worked example's times: 8:54:27 AM, 12:53:14 PM, 4:52:00 PM.
        QTest::newRow("an hour before east") << -3600 << 0 << "Computer's clock: 7:54:27 AM"
                                             << "Next: east at 8:54:27 AM, in 1:00:00";
        QTest::newRow("in east's own second") << 0 << 0 << "Computer's clock: 8:54:27 AM"
                                              << "Next: east at 8:54:27 AM, now";
        QTest::newRow("two seconds after east") << 2 << 0 << "Computer's clock: 8:54:29 AM"
                                                << "Next: meridian at 12:53:14 PM, in 3:58:45";
        QTest::newRow("a second before west") << 28652 << 0 << "Computer's clock: 4:51:59 PM"
                                              << "Next: west at 4:52:00 PM, in 0:00:01";
        QTest::newRow("after west") << 28680 << 0 << "Computer's clock: 4:52:27 PM"
                                    << "No more events today";
        QTest::newRow("the day after") << 0 << 1 << ""
                                       << "";
    }
    void countdown()
    {
        QFETCH(int, fromEast);
        QFETCH(int, dayShift);
        QFETCH(QString, now);
        QFETCH(QString, next);
        FrmFieldSheet sheet;
        // 8:54:27 AM on daylight saving is 12:54:27 UTC.
        const QDateTime at =
            QDateTime(QDate(2027, 6, 21).addDays(dayShift), QTime(12, 54, 27), Qt::UTC).addMSecs(fromEast * 1000 + 300);
        sheet.setNow([at] { return at; });
        sheet.setRequest(requestFor(kNewYorkSummer));
        QCOMPARE(!test::namedChild<QWidget>(&sheet, "grpToday")->isHidden(), !next.isEmpty());
        if (next.isEmpty())
            return;
        QCOMPARE(test::namedChild<QLabel>(&sheet, "lblNow")->text(), now);
        QCOMPARE(test::namedChild<QLabel>(&sheet, "lblCountdown")->text(), next);
    }

    void tickOnlyWhenSwitchedOn_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("ticks");
        QTest::newRow("off, as it starts") << false << 0;
        QTest::newRow("switched on: once in each of the last five seconds") << true << 5;
    }
    void tickOnlyWhenSwitchedOn()
    {
        QFETCH(bool, on);
        QFETCH(int, ticks);
        FrmFieldSheet sheet;
        // From eight seconds before west (4:52:00 PM, 20:52:00 UTC) to two after.
        QDateTime at(QDate(2027, 6, 21), QTime(20, 51, 52), Qt::UTC);
        int beeps = 0;
        sheet.setNow([&at] { return at; });
        sheet.setBeep([&beeps] { ++beeps; });
        sheet.setRequest(requestFor(kNewYorkSummer));
        QVERIFY(!test::namedChild<QAbstractButton>(&sheet, "chkTick")->isChecked());
        test::namedChild<QAbstractButton>(&sheet, "chkTick")->setChecked(on);
        for (int step = 0; step < 100; ++step, at = at.addMSecs(100))
            sheet.refreshClock();
        QCOMPARE(beeps, ticks);
    }

    void keyboardWalk()
    {
        FrmFieldSheet sheet;
        sheet.setRequest(requestFor(kNewYorkSummer));
        sheet.show();
        sheet.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        // Not today: the tick's box is hidden and no stop.
        const QStringList walk{"txtHeight",     "txtBearing", "tblWall",  "cmdTimeLink",   "cboAroundEvent",
                               "tblAround",     "timMark",    "tblDays",  "cmdPrintSheet", "cmdSavePdf",
                               "cmdCloseSheet", "planView",   "txtHeight"};
        QCOMPARE(focusName(&sheet), walk.first());
        for (const QString &next : walk.mid(1)) {
            QTest::keyClick(sheet.focusWidget(), Qt::Key_Tab);
            QCOMPARE(focusName(&sheet), next);
            QAccessibleInterface *iface =
                QAccessible::queryAccessibleInterface(test::namedChild<QWidget>(&sheet, qPrintable(next)));
            QVERIFY2(iface && !iface->text(QAccessible::Name).isEmpty(), qPrintable(next));
        }
        // Access keys from the visible labels, and the arrows within a table.
        QTest::keyClick(sheet.focusWidget(), Qt::Key_N, Qt::AltModifier);
        auto *days = test::namedChild<QTableWidget>(&sheet, "tblDays");
        QCOMPARE(sheet.focusWidget(), days);
        QTest::keyClick(days, Qt::Key_Down);
        QTest::keyClick(days, Qt::Key_Down);
        QCOMPARE(days->currentRow(), 2);
        QTest::keyClick(sheet.focusWidget(), Qt::Key_M, Qt::AltModifier);
        QCOMPARE(focusName(&sheet), QStringLiteral("timMark"));
        QTest::keyClick(sheet.focusWidget(), Qt::Key_B, Qt::AltModifier);
        QCOMPARE(focusName(&sheet), QStringLiteral("txtBearing"));
        QTest::keyClick(sheet.focusWidget(), Qt::Key_A, Qt::AltModifier);
        QCOMPARE(focusName(&sheet), QStringLiteral("tblWall"));
        QTest::keyClick(sheet.focusWidget(), Qt::Key_Escape);
        QVERIFY(!sheet.isVisible());
    }

    // What a screen reader gets from each control it stops at, on the worked
    // example (8:54:27 AM, 12:53:14 PM, 4:52:00 PM).
    void controlsAsHeard_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");            // -1: Qt's own
        QTest::addColumn<QString>("name");        // empty: Qt's own
        QTest::addColumn<QString>("description"); // its start
        QTest::addColumn<QString>("shortcut");
        QTest::newRow("the plan: an image told in sentences")
            << "planView" << int(QAccessible::Graphic) << "Plan of the site"
            << "North up, the plumb line's foot in the middle, the dotted circle 2 m from it. East: at 8:54:27 AM"
            << "";
        QTest::newRow("the time link: a link in its own words, Alt+W")
            << "cmdTimeLink" << int(QAccessible::Link) << "Set your watch to atomic standard via internet"
            << ""
            << "Alt+W";
        QTest::newRow("the mark box: described by its result, Alt+M") << "timMark" << -1 << "I marked the shadow at"
                                                                      << "The shadow then pointed to "
                                                                      << "Alt+M";
        QTest::newRow("the chooser, Alt+E") << "cboAroundEvent" << int(QAccessible::ComboBox) << ""
                                            << ""
                                            << "Alt+E";
    }
    void controlsAsHeard()
    {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(QString, shortcut);
        FrmFieldSheet sheet;
        sheet.setRequest(requestFor(kNewYorkSummer));
        QAccessibleInterface *iface =
            QAccessible::queryAccessibleInterface(test::namedChild<QWidget>(&sheet, qPrintable(control)));
        QVERIFY(iface);
        if (role >= 0)
            QCOMPARE(int(iface->role()), role);
        if (!name.isEmpty())
            QCOMPARE(iface->text(QAccessible::Name), name);
        const QString said = iface->text(QAccessible::Description);
        QVERIFY2(description.isEmpty() || said.startsWith(description), qPrintable(said));
        // Qt writes a label's access key in lower case.
        QCOMPARE(iface->text(QAccessible::Accelerator).toLower(), shortcut.toLower());
    }

    // Down in the chooser moves the table's row, not the focus; the chooser
    // and the event's row say which event.
    void chooserKeepsFocusAndSaysItsValue()
    {
        FrmFieldSheet sheet;
        sheet.setRequest(requestFor(kNewYorkSummer));
        sheet.show();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        auto *chooser = test::namedChild<QWidget>(&sheet, "cboAroundEvent");
        chooser->setFocus();
        QTest::keyClick(chooser, Qt::Key_Down);
        QCOMPARE(sheet.focusWidget(), chooser);
        QAccessibleInterface *said = QAccessible::queryAccessibleInterface(chooser);
        QCOMPARE(said->text(QAccessible::Value), QStringLiteral("Meridian, 12:53:14 PM"));
        // The new item arrives whole and selected, which a reader speaks.
        int start = -1, end = -1;
        said->textInterface()->selection(0, &start, &end);
        QCOMPARE(said->textInterface()->text(start, end), QStringLiteral("Meridian, 12:53:14 PM"));
        auto *around = test::namedChild<QTableWidget>(&sheet, "tblAround");
        QCOMPARE(around->currentItem()->text(), QStringLiteral("12:53:14 PM"));
        QCOMPARE(around->currentItem()->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Meridian, 12:53:14 PM"));
    }

    // Typing in the mark box announces its new result once, when the typing
    // rests; the chooser moving the mark changes it quietly. The focus stays.
    void markResultAnnounced_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("typed in the box") << "timMark";
        QTest::newRow("the chooser moves the mark") << "cboAroundEvent";
    }
    void markResultAnnounced()
    {
        QFETCH(QString, from);
        FrmFieldSheet sheet;
        sheet.setRequest(requestFor(kNewYorkSummer));
        sheet.show();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        auto *control = test::namedChild<QWidget>(&sheet, qPrintable(from));
        control->setFocus();
        auto *result = test::namedChild<SpokenLabel>(&sheet, "lblMarkResult");
        const QString before = result->text();
        QSignalSpy announced(result, &SpokenLabel::announced);
        const bool typed = from == "timMark";
        if (typed) {
            QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(control, "9:04:27 AM");
        } else {
            QTest::keyClick(control, Qt::Key_Down);
        }
        QTest::qWait(2 * SpokenLabel::kRestMs);
        QVERIFY(result->text() != before);
        QCOMPARE(announced.count(), typed ? 1 : 0);
        QCOMPARE(sheet.focusWidget(), control);
    }

    // Rounded bearings stay in [0, 360): arithmetic, to the tenth shown.
    void bearingsNeverRead360_data()
    {
        QTest::addColumn<double>("bearing");
        QTest::addColumn<QString>("text");
        QTest::newRow("359.96 rounds up to north") << 359.96 << "0.0°";
        QTest::newRow("359.94 stays") << 359.94 << "359.9°";
    }
    void bearingsNeverRead360()
    {
        QFETCH(double, bearing);
        QFETCH(QString, text);
        QCOMPARE(bearingText(bearing, QLocale()), text);
    }

    // The bearing's block, chooser entry and days column against the field
    // data for the same bearing; a bearing the sun never reaches says so.
    void bearingJoinsTheSheet_data()
    {
        QTest::addColumn<Site>("site");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("bearing");
        QTest::newRow("New York, June: 190 degrees, once after noon") << kNewYorkSummer << "190" << 190.0;
        QTest::newRow("New York, December: 45 degrees, never above the horizon")
            << Site{QDate(2027, 12, 21), 40.655, -72.855, -300, false} << "45" << 45.0;
    }
    void bearingJoinsTheSheet()
    {
        QFETCH(Site, site);
        QFETCH(QString, typed);
        QFETCH(double, bearing);
        const QLocale l;
        FrmFieldSheet sheet;
        sheet.setRequest(requestFor(site));
        QVERIFY(test::namedChild<QWidget>(&sheet, "grpBearing")->isHidden());
        test::namedChild<QLineEdit>(&sheet, "txtBearing")->setText(typed);
        FieldInputs in = inputsFor(site);
        in.bearings = {bearing};
        const FieldData d = computeFieldData(in);
        const BearingField &b = d.bearings.front();

        auto *block = test::namedChild<QGroupBox>(&sheet, "grpBearing");
        QVERIFY(!block->isHidden());
        const QString clock = test::namedChild<QLabel>(block, "lblClock")->text();
        const QString details = test::namedChild<QLabel>(block, "lblDetails")->text();
        auto *chooser = test::namedChild<QComboBox>(&sheet, "cboAroundEvent");
        if (b.times.empty()) {
            QCOMPARE(clock, QStringLiteral("never seen"));
            QVERIFY2(details.contains(QStringLiteral("The sun does not stand at 45° above the horizon on this date")),
                     qPrintable(details));
        }
        for (const SunMoment &m : b.times) {
            QVERIFY2(clock.contains(timeText(m.clock / 86400, l)), qPrintable(clock));
            QVERIFY2(details.contains(degrees(m.shadowBearingDeg, l)), qPrintable(details));
            const QString entry = "Bearing " + typed + "°, " + timeText(m.clock / 86400, l);
            QVERIFY2(chooser->findText(entry) >= 0, qPrintable(entry));
            // Chosen, its own moment is the table's bold middle row.
            chooser->setCurrentIndex(chooser->findText(entry));
            auto *around = test::namedChild<QTableWidget>(&sheet, "tblAround");
            QCOMPARE(around->rowCount(), 21);
            QCOMPARE(around->item(10, 0)->text(), timeText(m.clock / 86400, l));
            QVERIFY(around->item(10, 0)->font().bold());
        }

        auto *days = test::namedChild<QTableWidget>(&sheet, "tblDays");
        QCOMPARE(days->horizontalHeaderItem(4)->text(), typed + "°");
        for (int r = 0; r < days->rowCount(); ++r) {
            QStringList times;
            for (double c : d.days[std::size_t(r)].bearingClocks.front())
                times << timeText(c / 86400, l);
            QCOMPARE(days->item(r, 4)->text(), times.isEmpty() ? QStringLiteral("never") : times.join(", "));
        }
        // Emptied, the fourth event goes.
        test::namedChild<QLineEdit>(&sheet, "txtBearing")->clear();
        QVERIFY(block->isHidden());
        QCOMPARE(days->columnCount(), 4);
    }

    // Readings typed into the wall table against the field data's wall;
    // a refused or unreadable reading is named in the panel.
    void wallPanel_data()
    {
        QTest::addColumn<QStringList>("cells"); // clock, angle, clock, angle, ...
        QTest::addColumn<QString>("said");      // empty: the facing from the field data
        QTest::newRow("two readings") << QStringList{"10:00:00", "-20", "15:00:00", "55"} << "";
        QTest::newRow("one reading, 12-hour clock, sign and degree sign") << QStringList{"1:00 PM", "+12.5°"} << "";
        QTest::newRow("after sunset") << QStringList{"10:00:00", "-20", "21:30:00", "10"}
                                      << "Reading 2 (9:30:00 PM, +10.0°) refused: the sun is below the horizon then.";
        QTest::newRow("angle out of range")
            << QStringList{"10:00:00", "95"} << "Reading 1 (10:00:00 AM, +95.0°) refused: the angle must lie between";
        QTest::newRow("unreadable time") << QStringList{"ten", "5"}
                                         << "Reading 1: the clock time \"ten\" cannot be read.";
    }
    void wallPanel()
    {
        QFETCH(QStringList, cells);
        QFETCH(QString, said);
        FrmFieldSheet sheet;
        sheet.setRequest(requestFor(kNewYorkSummer));
        auto *table = test::namedChild<QTableWidget>(&sheet, "tblWall");
        FieldInputs in = inputsFor(kNewYorkSummer);
        for (int i = 0; i + 1 < cells.size(); i += 2) {
            // Typed in order: the empty last row always waits for the next.
            QCOMPARE(table->rowCount(), i / 2 + 1);
            table->setItem(i / 2, 0, new QTableWidgetItem(cells[i]));
            table->setItem(i / 2, 1, new QTableWidgetItem(cells[i + 1]));
            const std::optional<QTime> t = readClockText(cells[i], QLocale());
            if (t)
                in.wallReadings.push_back({t->msecsSinceStartOfDay() / 1000.0,
                                           QLocale().toDouble(QString(cells[i + 1]).remove("°").remove('+'))});
        }
        const QString result = test::namedChild<QLabel>(&sheet, "lblWallResult")->text();
        if (!said.isEmpty()) {
            QVERIFY2(result.contains(said), qPrintable(result));
            QVERIFY(!result.contains("The wall faces"));
            return;
        }
        const FieldData d = computeFieldData(in);
        QVERIFY(d.wall);
        QVERIFY2(result.contains(wallResultText(*d.wall, in.latitude, QLocale())), qPrintable(result));
        QVERIFY2(result.contains(degrees(d.wall->facingDeg, QLocale())), qPrintable(result));
        QVERIFY2(result.contains(declinationSideName(d.wall->side) + " of south"), qPrintable(result));
        QCOMPARE(sheet.data().wall->facingDeg, d.wall->facingDeg);
    }

    void tablesAreTablesWithHeaders_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("headers");
        QTest::newRow("the next 14 days") << "tblDays"
                                          << "The next 14 days" << 14 << QStringList{"Date", "East", "South", "West"};
        QTest::newRow("every 30 seconds") << "tblAround"
                                          << "Every 30 seconds around the chosen event" << 21
                                          << QStringList{"Clock", "Azimuth", "Altitude", "Shadow bearing"};
    }
    void tablesAreTablesWithHeaders()
    {
        QFETCH(QString, table);
        QFETCH(QString, name);
        QFETCH(int, rows);
        QFETCH(QStringList, headers);
        FrmFieldSheet sheet;
        sheet.setRequest(requestFor(kNewYorkSummer));
        sheet.show();
        QAccessibleInterface *iface =
            QAccessible::queryAccessibleInterface(test::namedChild<QWidget>(&sheet, qPrintable(table)));
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Table);
        QCOMPARE(iface->text(QAccessible::Name), name);
        QAccessibleTableInterface *t = iface->tableInterface();
        QVERIFY(t);
        QCOMPARE(t->rowCount(), rows);
        QCOMPARE(t->columnCount(), int(headers.size()));
        for (int c = 0; c < headers.size(); ++c)
            QCOMPARE(t->columnDescription(c), headers[c]);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TestFieldSheet test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_field_sheet.moc"
