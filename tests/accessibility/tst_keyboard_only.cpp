// The whole window from the keyboard alone: no mouse event reaches it.
#include "support/window_driver.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

// Counts every mouse press anywhere in the application.
class MouseWatch : public QObject {
public:
    MouseWatch() { qApp->installEventFilter(this); }
    ~MouseWatch() override { qApp->removeEventFilter(this); }
    int presses = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            ++presses;
        return false;
    }
};

void tabTo(WindowDriver &d, const QString &name)
{
    for (int i = 0; i < 12 && d.focusName() != name; ++i)
        d.key(Qt::Key_Tab);
    QCOMPARE(d.focusName(), name);
}

void typeHere(WindowDriver &d, const QString &text) { QTest::keyClicks(d.window.focusWidget(), text); }

} // namespace

class TestKeyboardOnly : public QObject {
    Q_OBJECT
private slots:
    void westIsReachedFromEastByArrows_data()
    {
        QTest::addColumn<bool>("eastCheckedFirst");
        QTest::addColumn<bool>("spaceOnWest");
        QTest::newRow("Up from a checked East selects West") << true << false;
        QTest::newRow("Up from an unchecked East, then Space") << false << true;
    }

    void westIsReachedFromEastByArrows()
    {
        QFETCH(bool, eastCheckedFirst);
        QFETCH(bool, spaceOnWest);

        WindowDriver d;
        tabTo(d, "OptEast");
        if (eastCheckedFirst) {
            d.key(Qt::Key_Space);
            QVERIFY(d.option("OptEast")->isChecked());
        }
        d.key(Qt::Key_Up);
        QCOMPARE(d.focusName(), QString("OptWest"));
        if (spaceOnWest)
            d.key(Qt::Key_Space);
        QVERIFY(d.option("OptWest")->isChecked());
        QVERIFY(!d.option("OptEast")->isChecked());
        // And back again.
        d.key(Qt::Key_Down);
        QCOMPARE(d.focusName(), QString("OptEast"));
        QVERIFY(d.option("OptEast")->isChecked());
        // The clock pair is a group of its own.
        QVERIFY(!d.option("optStandardinput")->isChecked());
        QVERIFY(!d.option("optDstinput")->isChecked());
    }

    void juneExampleByKeyboardAlone()
    {
        // The worked example of 21 June 2027: 40.655 N, 72.855 W, GMT-5,
        // daylight saving.
        MouseWatch mouse;
        WindowDriver d;
        orvane::test::ModalAnswerer unexpected(QMessageBox::Ok);

        QCOMPARE(d.focusName(), QString("txtDate"));
        typeHere(d, "6/21/2027");
        tabTo(d, "lstTimeZone");
        for (int i = 0; i < 7; ++i)
            d.key(Qt::Key_Down);
        QCOMPARE(d.zones()->currentIndex(), 6);
        tabTo(d, "txtLatitude");
        typeHere(d, "40.655");
        tabTo(d, "txtLongitude");
        typeHere(d, "72.855");
        tabTo(d, "OptEast");
        d.key(Qt::Key_Up);
        d.key(Qt::Key_Space);
        tabTo(d, "optDstinput");
        d.key(Qt::Key_Space);
        d.key(Qt::Key_Return);

        QCOMPARE(mouse.presses, 0);
        QVERIFY(unexpected.seen.empty());
        QVERIFY2(d.result().startsWith("Monday, June 21, 2027\r\n"), qPrintable(d.result()));
        QVERIFY(d.result().contains("The sun will be exactly west at "));
        QVERIFY(d.option("OptWest")->isChecked());
        QCOMPARE(d.programEnds, 0);
    }
};

QTEST_MAIN(TestKeyboardOnly)
#include "tst_keyboard_only.moc"
