#include "window_driver.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

WindowDriver::WindowDriver()
{
    window.setEndProgram([this] { ++programEnds; });
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qWarning("the window did not become active");
}

QLineEdit *WindowDriver::edit(const char *name) const { return get<QLineEdit>(name); }
QLabel *WindowDriver::label(const char *name) const { return get<QLabel>(name); }
QPushButton *WindowDriver::button(const char *name) const { return get<QPushButton>(name); }
QRadioButton *WindowDriver::option(const char *name) const { return get<QRadioButton>(name); }
QComboBox *WindowDriver::zones() const { return get<QComboBox>("lstTimeZone"); }

void WindowDriver::type(const char *name, const QString &text)
{
    QLineEdit *e = edit(name);
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
}

void WindowDriver::choose(Clock clock)
{
    if (clock != NoClock) {
        QRadioButton *o = option(clock == Standard ? "optStandardinput" : "optDstinput");
        QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(8, o->height() / 2));
    }
}

void WindowDriver::choose(Side side)
{
    if (side != NoSide) {
        QRadioButton *o = option(side == East ? "OptEast" : "OptWest");
        QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(8, o->height() / 2));
    }
}

void WindowDriver::chooseZone(int index)
{
    QComboBox *z = zones();
    z->setFocus();
    while (z->currentIndex() < index)
        QTest::keyClick(z, Qt::Key_Down);
}

void WindowDriver::click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }

void WindowDriver::key(Qt::Key k, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = window.focusWidget() ? window.focusWidget() : &window;
    QTest::keyClick(target, k, modifiers);
}

QString WindowDriver::focusName() const
{
    // The combo box's edit field is an unnamed child of the box.
    for (QWidget *f = window.focusWidget(); f; f = f->parentWidget())
        if (!f->objectName().isEmpty() && !f->objectName().startsWith("qt_"))
            return f->objectName();
    return {};
}

QString WindowDriver::result() const { return label("lblResult")->text(); }

void WindowDriver::enter(const QString &date, Clock clock, const QString &lat, const QString &lon, Side side, int zone)
{
    type("txtDate", date);
    choose(clock);
    type("txtLatitude", lat);
    type("txtLongitude", lon);
    choose(side);
    if (zone >= 0)
        chooseZone(zone);
}
