#pragma once
// Answers modal windows that the code under test opens with exec().

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace orvane::test {

class ModalAnswerer {
public:
    ~ModalAnswerer() { StopAll(); }

    // Calls `answer` once, on the first modal widget of type T that becomes
    // active. Polls from the event loop that the modal window runs itself.
    template <class T>
    void When(std::function<void(T *)> answer)
    {
        auto *timer = new QTimer;
        timer->setInterval(20);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
            if (auto *w = qobject_cast<T *>(QApplication::activeModalWidget())) {
                timer->stop();
                answer(w);
            }
        });
        timer->start();
        timers_.append(timer);
    }

    // Ends the waiting for windows that never came.
    void StopAll()
    {
        for (const QPointer<QTimer> &t : timers_)
            delete t.data();
        timers_.clear();
    }

private:
    QList<QPointer<QTimer>> timers_;
};

} // namespace orvane::test
