#pragma once
// A window's control by its objectName; a test without it cannot go on.

#include <QObject>
#include <QString>

namespace orvane::test {

template <class T>
T *namedChild(const QObject *parent, const char *name)
{
    T *w = parent->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

} // namespace orvane::test
