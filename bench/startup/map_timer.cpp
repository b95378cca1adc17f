// Start-up time to the first mapped window and peak resident memory of a
// program against a reference program, run alternately; then the time from
// a click on the program's link label to its second window being mapped.
// Runs on an X server without a window manager (Xvfb).
#include "child_process.h"
#include "link_finder.h"
#include "stats.h"
#include "x_session.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

using namespace bench;

namespace {

constexpr double kGoalRatio = 1.3;
constexpr double kGoalClickMs = 1000;
constexpr auto kMapLimit = std::chrono::seconds(20);
constexpr auto kBrowserLimit = std::chrono::seconds(30);
// A message box is a top-level window too; only this one counts.
constexpr char kBrowserTitle[] = "Browser";

struct Options {
    int runs = 10;
    int clicks = 5;
    int settleMs = 500;
    int clickSettleMs = 1500;
    std::string log;
    std::string program;
    std::string reference;
};

struct StartRun {
    bool ok = false;
    double mapMs = 0;
    double hwmKb = 0;
    std::size_t engineFiles = 0;
    std::size_t glDriverFiles = 0;
};

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void usage()
{
    std::fprintf(stderr, "usage: bench_map_timer [--runs N] [--clicks N] [--settle MS] [--log FILE] PROGRAM REFERENCE\n"
                         "  Starts PROGRAM and REFERENCE alternately N times (N >= 1), then clicks\n"
                         "  PROGRAM's link label --clicks times (0: none). Needs DISPLAY.\n");
}

bool parseOptions(int argc, char **argv, Options &o)
{
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto number = [&](int &target) {
            if (i + 1 >= argc)
                return false;
            char *end = nullptr;
            const long v = std::strtol(argv[++i], &end, 10);
            if (*end || v < 0 || v > 100000)
                return false;
            target = static_cast<int>(v);
            return true;
        };
        if (a == "--runs" || a == "--clicks" || a == "--settle") {
            int &target = a == "--runs" ? o.runs : a == "--clicks" ? o.clicks : o.settleMs;
            if (!number(target))
                return false;
        } else if (a == "--log" && i + 1 < argc) {
            o.log = argv[++i];
        } else if (a.rfind("--", 0) == 0) {
            return false;
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 2 || o.runs < 1)
        return false;
    o.program = positional[0];
    o.reference = positional[1];
    return true;
}

std::string baseName(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

StartRun measureStart(XSession &x, const Options &o, const std::string &path)
{
    StartRun run;
    x.discardEvents();
    const auto started = Clock::now();
    const pid_t pid = startProgram({path}, o.log);
    if (pid < 0)
        return run;
    const MappedWindow mapped = x.waitForTopLevelMap(pid, {}, kMapLimit);
    if (mapped.window) {
        run.mapMs = ms(mapped.when - started);
        std::this_thread::sleep_for(std::chrono::milliseconds(o.settleMs));
        run.hwmKb = static_cast<double>(peakResidentKb(pid));
        run.engineFiles = mappedFilesContaining(pid, "WebEngine").size();
        // Mesa's drivers come with LLVM: the costliest thing a start can load.
        run.glDriverFiles = mappedFilesContaining(pid, "/dri/").size() + mappedFilesContaining(pid, "libLLVM").size();
        run.ok = run.hwmKb > 0 && stillRunning(pid);
    }
    endProgramGroup(pid);
    return run;
}

// < 0 when no link or no second window was found.
double measureClick(XSession &x, const Options &o, std::size_t &engineFilesBefore)
{
    x.discardEvents();
    const pid_t pid = startProgram({o.program}, o.log);
    if (pid < 0)
        return -1;
    double result = -1;
    const MappedWindow main = x.waitForTopLevelMap(pid, {}, kMapLimit);
    if (main.window) {
        // Painted and idle before the click.
        std::this_thread::sleep_for(std::chrono::milliseconds(o.clickSettleMs));
        engineFilesBefore = mappedFilesContaining(pid, "WebEngine").size();
        int w = 0, h = 0;
        std::vector<Rgb> pixels;
        LinkSpot spot;
        if (x.grab(main.window, w, h, pixels))
            spot = findLinkUnderline(w, h, [&](int px, int py) { return pixels[py * w + px]; });
        if (!spot.found) {
            std::fprintf(stderr, "no link label found in the window\n");
        } else {
            const auto clicked = x.click(main.window, spot.x, spot.y);
            const MappedWindow browser = x.waitForTopLevelMap(pid, {main.window}, kBrowserLimit);
            const std::string title = browser.window ? x.title(browser.window) : std::string();
            if (browser.window && title == kBrowserTitle)
                result = ms(browser.when - clicked);
            else if (browser.window)
                std::fprintf(stderr, "the click opened \"%s\", not the browser\n", title.c_str());
            else
                std::fprintf(stderr, "no second window after clicking at %d,%d\n", spot.x, spot.y);
        }
    }
    endProgramGroup(pid);
    return result;
}

const char *verdict(bool met) { return met ? "met" : "MISSED"; }

} // namespace

int main(int argc, char **argv)
{
    Options o;
    if (!parseOptions(argc, argv, o)) {
        usage();
        return 2;
    }
    XSession x;
    if (!x.ok()) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }
    const std::string name = baseName(o.program);
    const std::string ref = baseName(o.reference);

    std::vector<double> mapP, mapR, hwmP, hwmR;
    std::size_t engineAtStart = 0;
    int failures = 0;
    std::printf("%-4s %-18s %10s %12s %16s %16s\n", "run", "program", "map (ms)", "VmHWM (kB)", "WebEngine files",
                "GL driver files");
    for (int i = 0; i < o.runs; ++i) {
        // Alternate which goes first, so neither always meets a warm cache.
        const bool programFirst = i % 2 == 0;
        for (int k = 0; k < 2; ++k) {
            const bool isProgram = (k == 0) == programFirst;
            const StartRun r = measureStart(x, o, isProgram ? o.program : o.reference);
            if (!r.ok) {
                ++failures;
                std::printf("%-4d %-18s failed\n", i + 1, (isProgram ? name : ref).c_str());
                continue;
            }
            std::printf("%-4d %-18s %10.1f %12.0f %16zu %16zu\n", i + 1, (isProgram ? name : ref).c_str(), r.mapMs,
                        r.hwmKb, r.engineFiles, r.glDriverFiles);
            (isProgram ? mapP : mapR).push_back(r.mapMs);
            (isProgram ? hwmP : hwmR).push_back(r.hwmKb);
            if (isProgram)
                engineAtStart = std::max(engineAtStart, r.engineFiles);
        }
    }

    std::vector<double> clickMs;
    std::size_t engineBeforeClick = 0;
    if (o.clicks > 0 && !x.hasXTest()) {
        std::fprintf(stderr, "the X server lacks XTEST: no link clicks\n");
        ++failures;
    }
    for (int i = 0; x.hasXTest() && i < o.clicks; ++i) {
        std::size_t before = 0;
        const double ms = measureClick(x, o, before);
        engineBeforeClick = std::max(engineBeforeClick, before);
        if (ms < 0) {
            ++failures;
            std::printf("click %d failed\n", i + 1);
        } else {
            std::printf("click %d: \"%s\" mapped after %.1f ms\n", i + 1, kBrowserTitle, ms);
            clickMs.push_back(ms);
        }
    }

    const double mp = median(mapP), mr = median(mapR);
    const double hp = median(hwmP) / 1024, hr = median(hwmR) / 1024;
    const double tRatio = ratio(mp, mr), mRatio = ratio(hp, hr);
    std::printf("\nmedians of %d runs each\n", o.runs);
    std::printf("%-30s %10s %10s %7s  %s\n", "", name.c_str(), ref.c_str(), "ratio", "goal");
    std::printf("%-30s %10.1f %10.1f %7.2f  <= %.1f %s\n", "start-up to window mapped (ms)", mp, mr, tRatio, kGoalRatio,
                verdict(tRatio <= kGoalRatio));
    std::printf("%-30s %10.1f %10.1f %7.2f  <= %.1f %s\n", "peak resident memory (MiB)", hp, hr, mRatio, kGoalRatio,
                verdict(mRatio <= kGoalRatio));
    std::printf("%-30s %10zu\n", "WebEngine files before click", std::max(engineAtStart, engineBeforeClick));
    if (o.clicks > 0) {
        const double c = median(clickMs);
        std::printf("%-30s %10.1f %10s %7s  < %.0f %s (median of %zu)\n", "link click to browser (ms)", c, "", "",
                    kGoalClickMs, verdict(c < kGoalClickMs), clickMs.size());
    }
    return failures == 0 ? 0 : 1;
}
