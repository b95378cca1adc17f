#pragma once
// The one answerer of the modal windows that the code under test opens
// with exec(): message boxes, file dialogs.

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <vector>

namespace orvane::test {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

class ModalAnswerer : public QObject {
public:
    // While alive, every message box that opens is noted in `seen`. With an
    // `answer`, each is closed with that button, or with its first button
    // where that is not offered; NoButton leaves the boxes to when().
    explicit ModalAnswerer(QMessageBox::StandardButton answer = QMessageBox::NoButton);
    ~ModalAnswerer() override;

    std::vector<SeenBox> seen;

    // Calls `answer` once, on the first modal widget of type T that becomes
    // active. Polls from the event loop that the modal window runs itself.
    template <class T>
    void when(std::function<void(T *)> answer)
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
    void stopAll();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMessageBox::StandardButton answer_;
    QList<QPointer<QTimer>> timers_;
};

} // namespace orvane::test
