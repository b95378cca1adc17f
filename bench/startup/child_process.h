#pragma once
// Starting a measured program in its own process group, reading its memory
// and ending it with everything it started.

#include <string>
#include <sys/types.h>
#include <vector>

namespace bench {

// Starts argv[0] with QT_QPA_PLATFORM=xcb; its output goes to logPath
// (appended) or nowhere when empty. Returns the pid, which is also the
// process group, or -1.
pid_t startProgram(const std::vector<std::string> &argv, const std::string &logPath);

// VmHWM from /proc/<pid>/status in kB, or -1.
long peakResidentKb(pid_t pid);

// The distinct mapped files whose path contains part.
std::vector<std::string> mappedFilesContaining(pid_t pid, const std::string &part);

// True while the process has not exited (it may be a zombie awaiting wait).
bool stillRunning(pid_t pid);

// SIGTERM to the whole group, SIGKILL after a grace period; reaps the
// program and waits until the group is gone.
void endProgramGroup(pid_t pid);

} // namespace bench
