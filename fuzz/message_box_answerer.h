#pragma once
// Answers every message box as soon as it is shown: Yes where there is a
// Yes (so the far-from-zone question lets the calculation run), else OK.
// Keeps what was asked, so the caller can tell which test refused.

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

namespace orvane::fuzz {

class MessageBoxAnswerer : public QObject {
public:
    MessageBoxAnswerer() { qApp->installEventFilter(this); }
    ~MessageBoxAnswerer() override { qApp->removeEventFilter(this); }

    QStringList texts;      // every box's text, in order
    int errorBoxes = 0;     // boxes with the error icon (argument out of range)

    void clear()
    {
        texts.clear();
        errorBoxes = 0;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (!box || event->type() != QEvent::Show)
            return false;
        texts << box->text();
        if (box->icon() == QMessageBox::Critical)
            ++errorBoxes;
        // Answered from inside the box's own event loop.
        QPointer<QMessageBox> guard(box);
        QTimer::singleShot(0, box, [guard] {
            if (!guard)
                return;
            if (QAbstractButton *yes = guard->button(QMessageBox::Yes))
                yes->click();
            else if (QAbstractButton *ok = guard->button(QMessageBox::Ok))
                ok->click();
            else
                guard->reject();
        });
        return false;
    }
};

} // namespace orvane::fuzz
