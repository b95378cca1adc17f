// A new result reaches assistive technology as the words to read; a
// refused calculation announces nothing.
#include "support/window_driver.h"

#include "main_window/accessibility_live_label.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

#include <vector>

namespace {

struct Seen {
    QAccessible::Event type;
    QObject *object;
    QString removed;
    QString inserted;
};

std::vector<Seen> seenEvents;

void record(QAccessibleEvent *event)
{
    Seen s{event->type(), event->object(), {}, {}};
    if (event->type() == QAccessible::TextUpdated) {
        auto *update = static_cast<QAccessibleTextUpdateEvent *>(event);
        s.removed = update->textRemoved();
        s.inserted = update->textInserted();
    }
    seenEvents.push_back(s);
}

// The result label's text changes in the order they were announced.
std::vector<Seen> textChangesOf(QObject *label)
{
    std::vector<Seen> out;
    for (const Seen &s : seenEvents)
        if (s.object == label && s.type == QAccessible::TextUpdated)
            out.push_back(s);
    return out;
}

const QString kJune = "6/21/2027";
const QString kDecember = "12/21/2027";

} // namespace

class TestResultAnnouncement : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { orvane::setAnnouncementSink(record); }
    void cleanupTestCase() { orvane::setAnnouncementSink(nullptr); }
    void init() { seenEvents.clear(); }

    void labelCarriesItsText()
    {
        // On Linux a text change reaches a screen reader only from an object
        // with a text interface; a notification is read wherever the focus is.
        WindowDriver d;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(d.label("lblResult"));
        QVERIFY(iface && iface->textInterface());
        QCOMPARE(iface->role(), QAccessible::Notification);
        QCOMPARE(iface->textInterface()->characterCount(), 0);
        orvane::test::ModalAnswerer yes(QMessageBox::Yes);
        d.enter(kJune, Daylight, "40.655", "72.855", West, 6);
        d.key(Qt::Key_Return);
        QCOMPARE(iface->text(QAccessible::Name), d.result());
        QCOMPARE(iface->textInterface()->text(0, iface->textInterface()->characterCount()), d.result());
    }

    void eachCalculationIsAnnounced_data()
    {
        QTest::addColumn<QString>("secondDate");
        QTest::addColumn<QString>("secondStart");
        QTest::newRow("a different date replaces the result") << kDecember << "Tuesday, December 21, 2027";
        QTest::newRow("the same inputs are announced again") << kJune << "Monday, June 21, 2027";
    }

    void eachCalculationIsAnnounced()
    {
        QFETCH(QString, secondDate);
        QFETCH(QString, secondStart);

        WindowDriver d;
        QObject *label = d.label("lblResult");
        orvane::test::ModalAnswerer yes(QMessageBox::Yes);
        d.enter(kJune, Daylight, "40.655", "72.855", West, 6);
        d.key(Qt::Key_Return);
        const QString first = d.result();
        QVERIFY(first.startsWith("Monday, June 21, 2027"));
        auto changes = textChangesOf(label);
        QCOMPARE(changes.size(), std::size_t(1));
        QCOMPARE(changes[0].removed, QString());
        QCOMPARE(changes[0].inserted, first);
        // Then shown, which a reader reads out wherever the focus is.
        QCOMPARE(seenEvents.back().type, QAccessible::ObjectShow);
        QCOMPARE(seenEvents.back().object, label);

        d.type("txtDate", secondDate);
        d.key(Qt::Key_Return);
        changes = textChangesOf(label);
        QCOMPARE(changes.size(), std::size_t(2));
        QCOMPARE(changes[1].removed, first);
        QCOMPARE(changes[1].inserted, d.result());
        QVERIFY(changes[1].inserted.startsWith(secondStart));
    }

    void refusedCalculationAnnouncesNothing_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("latitude");
        QTest::newRow("no date") << ""
                                 << "40.655";
        QTest::newRow("latitude beyond the pole") << kJune << "91";
    }

    void refusedCalculationAnnouncesNothing()
    {
        QFETCH(QString, date);
        QFETCH(QString, latitude);

        WindowDriver d;
        orvane::test::ModalAnswerer ok(QMessageBox::Ok);
        d.enter(date, Daylight, latitude, "72.855", West, 6);
        d.key(Qt::Key_Return);
        QCOMPARE(ok.seen.size(), std::size_t(1)); // the refusal itself
        QVERIFY(d.result().isEmpty());
        for (const Seen &s : seenEvents) {
            QVERIFY(s.object != d.label("lblResult"));
        }
    }
};

QTEST_MAIN(TestResultAnnouncement)
#include "tst_result_announcement.moc"
