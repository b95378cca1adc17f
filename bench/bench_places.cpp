// The gazetteer: opening its index, reading its text form whole, the first
// look-up of a fresh index (what one --place costs), and the look-ups as
// typing and the command line make them. Before the timings it prints the
// file's size and the memory the places take once opened (resident set
// before and after).
#include "places/places.h"

#include <QFile>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// Resident memory in KiB, from /proc/self/status.
long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLong();
    return -1;
}

QString dataFile()
{
    for (const QString &path : orvane::gazetteerCandidates())
        if (QFileInfo::exists(path))
            return path;
    return {};
}

void BM_OpenIndex(benchmark::State &bs)
{
    const QString path = dataFile();
    for (auto _ : bs)
        benchmark::DoNotOptimize(orvane::Gazetteer::fromFile(path).size());
}
BENCHMARK(BM_OpenIndex)->Unit(benchmark::kMillisecond);

void BM_FirstLookup(benchmark::State &bs)
{
    const QString path = dataFile();
    for (auto _ : bs) {
        const orvane::Gazetteer g = orvane::Gazetteer::fromFile(path);
        benchmark::DoNotOptimize(g.find(QStringLiteral("Springfield"), 1));
        benchmark::DoNotOptimize(g.named(QStringLiteral("Springfield"), 4));
    }
}
BENCHMARK(BM_FirstLookup)->Unit(benchmark::kMillisecond);

void BM_ReadTextWhole(benchmark::State &bs)
{
    for (auto _ : bs)
        benchmark::DoNotOptimize(orvane::Gazetteer::fromFile(QStringLiteral(ORVANE_GAZETTEER_TEXT)).size());
}
BENCHMARK(BM_ReadTextWhole)->Unit(benchmark::kMillisecond)->Iterations(3);

void prefix(benchmark::State &bs, const char *typed)
{
    const QString text = QString::fromUtf8(typed);
    for (auto _ : bs)
        benchmark::DoNotOptimize(orvane::placesStartingWith(text, 10));
}
BENCHMARK_CAPTURE(prefix, one_letter_s, "s")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(prefix, one_letter_z, "z")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(prefix, three_letters_spr, "spr")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(prefix, three_letters_zur, "Zür")->Unit(benchmark::kMicrosecond);

void find(benchmark::State &bs, const char *query)
{
    const QString text = QString::fromUtf8(query);
    for (auto _ : bs)
        benchmark::DoNotOptimize(orvane::findPlaces(text, 10));
}
BENCHMARK_CAPTURE(find, paris_texas, "Paris, Texas")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(find, springfield, "Springfield")->Unit(benchmark::kMicrosecond);

void BM_NearestNames(benchmark::State &bs)
{
    for (auto _ : bs)
        benchmark::DoNotOptimize(orvane::nearestPlaceNames(QStringLiteral("Sprngfield")));
}
BENCHMARK(BM_NearestNames)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    const long before = residentKiB();
    const qsizetype places = orvane::gazetteer().size();
    const long after = residentKiB();
    std::printf("gazetteer: %s, %lld bytes on disk, %lld places, resident %ld KiB before reading, %ld KiB after "
                "(+%ld KiB)%s%s\n",
                qPrintable(dataFile()), static_cast<long long>(QFileInfo(dataFile()).size()),
                static_cast<long long>(places), before, after, after - before,
                orvane::placesError().isEmpty() ? "" : ": ", qPrintable(orvane::placesError()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
