#pragma once
// What the test process has mapped, read from /proc/self/maps.

#include <QFile>
#include <QString>

// Whether any mapped file's name starts with `prefix` (e.g. "libQt6WebEngine").
inline bool LibraryMapped(const QString &prefix) {
  QFile maps(QStringLiteral("/proc/self/maps"));
  if (!maps.open(QIODevice::ReadOnly | QIODevice::Text))
    qFatal("cannot read /proc/self/maps");
  const QString needle = QLatin1Char('/') + prefix;
  for (const QByteArray &line : maps.readAll().split('\n')) {
    if (QString::fromUtf8(line).contains(needle))
      return true;
  }
  return false;
}

inline bool WebEngineMapped() { return LibraryMapped(QStringLiteral("libQt6WebEngine")); }
