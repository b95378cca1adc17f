#include "modal_answerer.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPushButton>

namespace orvane::test {

ModalAnswerer::ModalAnswerer(QMessageBox::StandardButton answer) : answer_(answer) { qApp->installEventFilter(this); }

ModalAnswerer::~ModalAnswerer()
{
    qApp->removeEventFilter(this);
    stopAll();
}

void ModalAnswerer::stopAll()
{
    for (const QPointer<QTimer> &t : timers_)
        delete t.data();
    timers_.clear();
}

bool ModalAnswerer::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QMessageBox *>(watched);
    if (!box || event->type() != QEvent::Show)
        return false;
    SeenBox s;
    s.title = box->windowTitle();
    s.text = box->text();
    s.icon = box->icon();
    s.buttons = box->standardButtons();
    if (box->defaultButton())
        s.defaultButton = box->standardButton(box->defaultButton());
    seen.push_back(s);
    if (answer_ == QMessageBox::NoButton)
        return false;
    // Answered from inside the box's own event loop.
    QPointer<QMessageBox> guard(box);
    const QMessageBox::StandardButton answer = answer_;
    QTimer::singleShot(0, box, [guard, answer] {
        if (!guard)
            return;
        QAbstractButton *b = guard->button(answer);
        if (!b)
            b = guard->buttons().value(0);
        if (b)
            b->click();
        else
            guard->reject();
    });
    return false;
}

} // namespace orvane::test
