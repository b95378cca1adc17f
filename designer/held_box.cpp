#include "held_box.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace orvane {

namespace {

constexpr const char *kTyped = "typedText";

} // namespace

QString typedText(const QLineEdit *box) { return box->isEnabled() ? box->text() : box->property(kTyped).toString(); }

void holdBox(QLineEdit *box, bool takes, const QString &shown)
{
    const QSignalBlocker quiet(box);
    if (takes) {
        if (!box->isEnabled()) {
            box->setText(box->property(kTyped).toString());
            box->setEnabled(true);
        }
        return;
    }
    if (box->isEnabled()) {
        box->setProperty(kTyped, box->text());
        box->setEnabled(false);
    }
    box->setText(shown);
}

} // namespace orvane
