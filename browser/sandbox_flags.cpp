#include "sandbox_flags.h"

#include <QList>

#include <cstdio>
#include <unistd.h>

namespace orvane {

namespace {
constexpr char kFlagsVariable[] = "QTWEBENGINE_CHROMIUM_FLAGS";
constexpr char kNoSandbox[] = "--no-sandbox";
} // namespace

QByteArray withNoSandbox(const QByteArray &flags)
{
    const QList<QByteArray> words = flags.simplified().split(' ');
    if (words.contains(kNoSandbox))
        return flags;
    const QByteArray trimmed = flags.trimmed();
    return trimmed.isEmpty() ? QByteArray(kNoSandbox) : trimmed + ' ' + kNoSandbox;
}

bool disableSandboxIfRoot()
{
    static bool done = false;
    if (geteuid() != 0)
        return false;
    if (done)
        return true;
    done = true;
    qputenv(kFlagsVariable, withNoSandbox(qgetenv(kFlagsVariable)));
    std::fputs("orvane: running as root, the browser's sandbox is switched off\n", stderr);
    return true;
}

} // namespace orvane
