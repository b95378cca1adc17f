#pragma once
// What the test process has mapped, read from /proc/self/maps.

#include <QFile>
#include <QOpenGLContext>
#include <QString>
#include <QStringList>

// The mapped files whose path contains "/" + `prefix` (e.g.
// "libQt6WebEngine", or "dri/" for any DRI driver), each once.
inline QStringList mappedFiles(const QString &prefix)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read /proc/self/maps");
    const QString needle = QLatin1Char('/') + prefix;
    QStringList found;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const QString text = QString::fromUtf8(line);
        const qsizetype path = text.indexOf(QLatin1Char('/'));
        if (path >= 0 && text.contains(needle) && !found.contains(text.mid(path)))
            found << text.mid(path);
    }
    return found;
}

inline bool libraryMapped(const QString &prefix) { return !mappedFiles(prefix).isEmpty(); }

inline bool webEngineMapped() { return libraryMapped(QStringLiteral("libQt6WebEngine")); }

// Mesa's OpenGL driver and the LLVM it brings: what a global OpenGL context
// costs a start (the glvnd dispatch libraries alone are cheap).
inline QStringList glDriverFiles()
{
    QStringList found;
    for (const char *prefix : {"dri/", "libGLX_mesa", "libEGL_mesa", "libLLVM"})
        found << mappedFiles(QString::fromLatin1(prefix));
    return found;
}

// What a start and a calculation must not have mapped, for a failure
// message; empty when all is well.
inline QString heavyFilesMapped()
{
    return (mappedFiles(QStringLiteral("libQt6WebEngine")) + glDriverFiles()).join(QLatin1Char('\n'));
}

// Whether this process can make OpenGL contexts at all (the offscreen
// platform can when a display is there); without, no GL driver is ever
// mapped and checks for one cannot fail.
inline bool shareContextValid()
{
    const QOpenGLContext *context = QOpenGLContext::globalShareContext();
    return context && context->isValid();
}
