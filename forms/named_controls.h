#pragma once
// Controls made with their object names, by which tests, assistive
// technology and other programs find them.

#include <QColor>
#include <QString>
#include <QWidget>

class QLabel;

namespace orvane {

template <class W>
W *namedWidget(QWidget *parent, const char *name)
{
    auto *w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// A visible label that names `control`, for assistive technology as for the eye.
QLabel *labelFor(QWidget *parent, const char *name, const QString &text, QWidget *control);

// The dark red of a refusal's or a warning's words, in every window.
QColor refusedColour();
// `w`'s words in that red.
void showAsRefused(QWidget *w);

} // namespace orvane
