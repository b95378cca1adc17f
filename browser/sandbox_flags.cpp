#include "sandbox_flags.h"

#include <QList>

#include <cstdio>
#include <unistd.h>

namespace orvane {

namespace {
constexpr char kFlagsVariable[] = "QTWEBENGINE_CHROMIUM_FLAGS";
constexpr char kNoSandbox[] = "--no-sandbox";
} // namespace

QByteArray WithNoSandbox(const QByteArray &flags) {
  const QList<QByteArray> words = flags.simplified().split(' ');
  if (words.contains(kNoSandbox))
    return flags;
  const QByteArray trimmed = flags.trimmed();
  return trimmed.isEmpty() ? QByteArray(kNoSandbox) : trimmed + ' ' + kNoSandbox;
}

bool DisableSandboxIfRoot() {
  static bool done = false;
  if (geteuid() != 0)
    return false;
  if (done)
    return true;
  done = true;
  qputenv(kFlagsVariable, WithNoSandbox(qgetenv(kFlagsVariable)));
  std::fputs("orvane: running as root, the browser's sandbox is switched off\n", stderr);
  return true;
}

} // namespace orvane
