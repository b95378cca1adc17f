// Every input, button and link as assistive technology sees it: name from
// the visible label, role, access key and what pressing it does.
#include "support/window_driver.h"

#include "browser/browser_link.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

QAccessibleInterface *accessible(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    if (!iface)
        qFatal("no accessible interface for %s", qPrintable(w->objectName()));
    return iface;
}

// What a reader says a control is called: its label where it has one (Qt
// on Linux names a combo box by its current text), else its name.
QString spokenName(QAccessibleInterface *iface)
{
    const auto labels = iface->relations(QAccessible::Label);
    if (!labels.isEmpty())
        return labels.first().first->text(QAccessible::Name);
    return iface->text(QAccessible::Name);
}

} // namespace

class TestAccessibleControls : public QObject {
    Q_OBJECT
private slots:
    void namedFromVisibleLabel_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("labelledBy");
        QTest::addColumn<QString>("key");
        const int edit = QAccessible::EditableText;
        QTest::newRow("date box named by its label") << "txtDate" << edit << "Date(mm/dd/yyyy)"
                                                     << ""
                                                     << "lblDate"
                                                     << "";
        QTest::newRow("time-zone list, whose prompt is no label")
            << "lstTimeZone" << int(QAccessible::ComboBox) << "Time zone"
            << ""
            << "lblTimeZoneName"
            << "Down";
        QTest::newRow("latitude box with the hemisphere hint") << "txtLatitude" << edit << "Latitude (decimal)"
                                                               << "(North +, South -)"
                                                               << "lblLatitude"
                                                               << "";
        QTest::newRow("longitude box named by its label") << "txtLongitude" << edit << "Longitude (decimal)"
                                                          << ""
                                                          << "lblLongitude"
                                                          << "";
        const int radio = QAccessible::RadioButton;
        QTest::newRow("west option") << "OptWest" << radio << "West of Greenwich (e.g. USA)"
                                     << ""
                                     << ""
                                     << "";
        QTest::newRow("east option") << "OptEast" << radio << "East of Greenwich (e.g. USSR)"
                                     << ""
                                     << ""
                                     << "";
        QTest::newRow("standard-time option") << "optStandardinput" << radio << "Standard Time (October to April)"
                                              << ""
                                              << ""
                                              << "";
        QTest::newRow("daylight-saving option") << "optDstinput" << radio << "Daylight Savings (April to October)"
                                                << ""
                                                << ""
                                                << "";
        const int button = QAccessible::Button;
        QTest::newRow("Calculate, the default button") << "CmdCalculate" << button << "Calculate"
                                                       << ""
                                                       << ""
                                                       << "Enter";
        QTest::newRow("Quit without its & marker") << "CmdQuit" << button << "Quit"
                                                   << ""
                                                   << ""
                                                   << "Alt+Q";
        QTest::newRow("Print without its & marker") << "cmdPrint" << button << "Print"
                                                    << ""
                                                    << ""
                                                    << "Alt+P";
        QTest::newRow("Field Sheet without its & marker") << "cmdFieldSheet" << button << "Field Sheet"
                                                          << ""
                                                          << ""
                                                          << "Alt+F";
        QTest::newRow("Dial without its & marker") << "cmdDial" << button << "Dial"
                                                   << ""
                                                   << ""
                                                   << "Alt+D";
        const int link = QAccessible::Link;
        QTest::newRow("time-standard link")
            << "lblbrowser" << link << "Click here to set your watch to atomic standard via internet"
            << ""
            << ""
            << "Alt+W";
        QTest::newRow("maker's link") << "lblTarnwick" << link << "www.tarnwick.com"
                                      << ""
                                      << ""
                                      << "Alt+T";
    }

    void namedFromVisibleLabel()
    {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(QString, labelledBy);
        QFETCH(QString, key);

        WindowDriver d;
        QAccessibleInterface *iface = accessible(d.get<QWidget>(qPrintable(control)));
        QCOMPARE(int(iface->role()), role);
        QCOMPARE(spokenName(iface), name);
        QCOMPARE(iface->text(QAccessible::Description), description);
        QCOMPARE(iface->text(QAccessible::Accelerator), key);
        QVERIFY(!iface->state().invisible);
        QVERIFY(!iface->state().disabled);

        const auto labels = iface->relations(QAccessible::Label);
        if (!labelledBy.isEmpty()) {
            QCOMPARE(labels.size(), 1);
            QCOMPARE(labels.first().first->object()->objectName(), labelledBy);
        } else {
            QVERIFY(labels.isEmpty());
        }
        // Whatever can be pressed says so, and under the key it shows.
        if (role == QAccessible::Button || role == QAccessible::Link) {
            QAccessibleActionInterface *actions = iface->actionInterface();
            QVERIFY(actions);
            QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
            const QStringList bindings = actions->keyBindingsForAction(QAccessibleActionInterface::pressAction());
            if (role == QAccessible::Link)
                QCOMPARE(bindings, QStringList{key});
        }
    }

    // The frames are groupings: a reader takes a frame for a window and
    // drops what happens inside one that is not the active window.
    void framesAreNoWindows()
    {
        WindowDriver d;
        for (const char *name : {"Frame1", "Frame2"})
            QCOMPARE(accessible(d.get<QWidget>(name))->role(), QAccessible::Grouping);
    }

    void everyTabStopIsNamed()
    {
        // Catches a stop whose focus lands on an unnamed inner widget, as
        // the time-zone list's edit field would be.
        WindowDriver d;
        QStringList seen;
        do {
            QWidget *focus = d.window.focusWidget();
            QVERIFY(focus);
            QAccessibleInterface *iface = accessible(focus);
            const QString name = spokenName(iface);
            QVERIFY2(!name.isEmpty(), qPrintable(d.focusName()));
            QVERIFY2(!name.contains('&'), qPrintable(name));
            QVERIFY2(iface->state().focused, qPrintable(d.focusName()));
            seen << d.focusName();
            d.key(Qt::Key_Tab);
        } while (d.focusName() != "txtDate" && seen.size() < 20);
        QCOMPARE(seen.size(), 12);
    }

    void linksFollowedWithoutMouse_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<QString>("address");
        QTest::newRow("time-standard page by Alt+W") << "lblbrowser" << true << "https://time.gov/";
        QTest::newRow("maker's page by Alt+T") << "lblTarnwick" << true << "https://www.tarnwick.com/";
        QTest::newRow("time-standard page by the press action") << "lblbrowser" << false << "https://time.gov/";
        QTest::newRow("maker's page by the press action") << "lblTarnwick" << false << "https://www.tarnwick.com/";
    }

    void linksFollowedWithoutMouse()
    {
        QFETCH(QString, link);
        QFETCH(bool, byKey);
        QFETCH(QString, address);

        WindowDriver d;
        QStringList opened;
        d.window.setOpenPage([&opened](const QString &url) { opened << url; });
        d.type("txtLatitude", "40");
        if (byKey) {
            const QKeySequence key(accessible(d.get<QWidget>(qPrintable(link)))->text(QAccessible::Accelerator));
            QCOMPARE(key.count(), 1);
            d.key(key[0].key(), key[0].keyboardModifiers());
        } else {
            accessible(d.get<QWidget>(qPrintable(link)))
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
        }
        QCOMPARE(opened, QStringList{address});
        // Following a link leaves the inputs and the focus alone.
        QCOMPARE(d.focusName(), QString("txtLatitude"));
        QCOMPARE(d.edit("txtLatitude")->text(), QString("40"));
        QVERIFY(!orvane::browserModuleLoaded());
    }
};

QTEST_MAIN(TestAccessibleControls)
#include "tst_accessible_controls.moc"
