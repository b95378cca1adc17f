#pragma once
// Chromium's sandbox cannot run as root; it is switched off for that case
// only.

#include <QByteArray>

namespace orvane {

// `flags` with --no-sandbox added once.
QByteArray withNoSandbox(const QByteArray &flags);

// When the process runs as root, adds --no-sandbox to the engine's flags
// and says so on standard error, once per process. Returns whether the
// sandbox is off by this. Call before the engine is loaded.
bool disableSandboxIfRoot();

} // namespace orvane
