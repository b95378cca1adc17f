#include "child_process.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace bench {

namespace {

bool groupGone(pid_t group) { return kill(-group, 0) != 0 && errno == ESRCH; }

// Reaps the leader when it has exited; true once it is reaped.
bool leaderReaped(pid_t pid)
{
    int status = 0;
    const pid_t r = waitpid(pid, &status, WNOHANG);
    return r == pid || (r < 0 && errno == ECHILD);
}

bool waitUntilGone(pid_t pid, std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    bool reaped = false;
    while (std::chrono::steady_clock::now() < end) {
        reaped = reaped || leaderReaped(pid);
        if (reaped && groupGone(pid))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

} // namespace

pid_t startProgram(const std::vector<std::string> &argv, const std::string &logPath)
{
    if (argv.empty())
        return -1;
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    // Child: own group, so that the web engine's helpers end with it.
    setpgid(0, 0);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    const int out =
        logPath.empty() ? open("/dev/null", O_WRONLY) : open(logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (out >= 0) {
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        close(out);
    }
    std::vector<char *> args;
    for (const std::string &a : argv)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
}

long peakResidentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            std::istringstream in(line.substr(6));
            long kb = -1;
            in >> kb;
            return kb;
        }
    }
    return -1;
}

std::vector<std::string> mappedFilesContaining(pid_t pid, const std::string &part)
{
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> found;
    std::string line;
    while (std::getline(maps, line)) {
        const auto slash = line.find('/');
        if (slash != std::string::npos && line.find(part, slash) != std::string::npos)
            found.insert(line.substr(slash));
    }
    return {found.begin(), found.end()};
}

bool stillRunning(pid_t pid)
{
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == 0;
}

void endProgramGroup(pid_t pid)
{
    if (pid <= 0)
        return;
    kill(-pid, SIGTERM);
    if (waitUntilGone(pid, std::chrono::seconds(3)))
        return;
    kill(-pid, SIGKILL);
    waitUntilGone(pid, std::chrono::seconds(3));
}

} // namespace bench
