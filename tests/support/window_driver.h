#pragma once
// Drives a Sundial_Input through its real widgets.

#include "main_window/sundial_input.h"
#include "modal_answerer.h"
#include "named_child.h"

#include <QMessageBox>
#include <QObject>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

enum Clock { NoClock, Standard, Daylight };
enum Side { NoSide, East, West };

class WindowDriver {
public:
    WindowDriver();
    orvane::Sundial_Input window;

    template <class T>
    T *get(const char *name) const
    {
        return orvane::test::namedChild<T>(&window, name);
    }
    QLineEdit *edit(const char *name) const;
    QLabel *label(const char *name) const;
    QPushButton *button(const char *name) const;
    QRadioButton *option(const char *name) const;
    QComboBox *zones() const;

    void type(const char *name, const QString &text); // replaces the text
    void choose(Clock clock);
    void choose(Side side);
    void chooseZone(int index); // with the Down key
    void click(const char *button);
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // objectName of the control that holds the window's focus.
    QString focusName() const;
    QString result() const;
    // Fills every input; zone -1 leaves the list alone.
    void enter(const QString &date, Clock clock, const QString &lat, const QString &lon, Side side, int zone);

    int programEnds = 0;
};
