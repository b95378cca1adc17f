// The precise sun: one position, one crossing search, and a fortnight of
// crossings as the command line asks for them.
#include "sky/sun.h"

#include <benchmark/benchmark.h>

namespace {

const orvane::sky::Site kSite{40.655, -72.855};
// 2024-06-21 00:00 local time on UTC-4.
constexpr double kDayStart = 1718942400.0;

// Full IAU 2006/2000A nutation and ephemeris on every call.
void BM_SunPositionDirect(benchmark::State &bs)
{
    double t = kDayStart + 50000;
    for (auto _ : bs) {
        benchmark::DoNotOptimize(orvane::sky::sunPosition(t, kSite));
        t += 1;
    }
}
BENCHMARK(BM_SunPositionDirect);

// Within a day whose terms are already loaded.
void BM_SunPositionCached(benchmark::State &bs)
{
    orvane::sky::Sun sun(kSite);
    double t = kDayStart + 50000;
    for (auto _ : bs) {
        benchmark::DoNotOptimize(sun.position(t));
        t += 0.01;
    }
}
BENCHMARK(BM_SunPositionCached);

// One crossing on a fresh Sun, as a program run starts.
void BM_SunCrossing(benchmark::State &bs)
{
    const auto which = static_cast<orvane::sky::Crossing>(bs.range(0));
    for (auto _ : bs) {
        orvane::sky::Sun sun(kSite);
        benchmark::DoNotOptimize(sun.crossing(which, kDayStart));
    }
}
BENCHMARK(BM_SunCrossing)->Arg(0)->Arg(1)->Arg(2)->ArgName("east_meridian_west");

// The same crossing again on a Sun that has the day's terms.
void BM_SunCrossingWarm(benchmark::State &bs)
{
    orvane::sky::Sun sun(kSite);
    for (auto _ : bs)
        benchmark::DoNotOptimize(sun.crossing(orvane::sky::Crossing::East, kDayStart));
}
BENCHMARK(BM_SunCrossingWarm);

// Every instant of one bearing in the day, on a Sun that has the day's
// terms: 225 degrees in the afternoon, 67.5 before noon too.
void BM_SunBearingWarm(benchmark::State &bs)
{
    orvane::sky::Sun sun(kSite);
    const double bearing = bs.range(0) / 10.0;
    for (auto _ : bs)
        benchmark::DoNotOptimize(sun.bearingCrossings(bearing, kDayStart));
}
BENCHMARK(BM_SunBearingWarm)->Arg(2250)->Arg(675)->ArgName("bearing_x10");

// Both instants of an altitude in the day, warm.
void BM_SunAltitudeWarm(benchmark::State &bs)
{
    orvane::sky::Sun sun(kSite);
    for (auto _ : bs)
        benchmark::DoNotOptimize(sun.altitudeCrossings(30, kDayStart));
}
BENCHMARK(BM_SunAltitudeWarm);

// 14 days x 3 crossings on a fresh Sun.
void BM_SunFortnight(benchmark::State &bs)
{
    for (auto _ : bs) {
        orvane::sky::Sun sun(kSite);
        for (int day = 0; day < 14; ++day)
            benchmark::DoNotOptimize(sun.events(kDayStart + day * 86400.0));
    }
}
BENCHMARK(BM_SunFortnight)->Unit(benchmark::kMillisecond);

// The command line's whole answer: the fortnight, 21 positions a minute
// apart around each crossing of the first day, and rates by differences.
void BM_SunFortnightWithPositions(benchmark::State &bs)
{
    for (auto _ : bs) {
        orvane::sky::Sun sun(kSite);
        orvane::sky::DayEvents first;
        for (int day = 0; day < 14; ++day) {
            const orvane::sky::DayEvents e = sun.events(kDayStart + day * 86400.0);
            if (day == 0)
                first = e;
        }
        for (const auto &event : {first.east, first.meridian, first.west}) {
            if (!event)
                continue;
            for (int i = -10; i <= 10; ++i)
                benchmark::DoNotOptimize(sun.position(event->utcSeconds + 60.0 * i));
            benchmark::DoNotOptimize(sun.position(event->utcSeconds + 1));
            benchmark::DoNotOptimize(sun.position(event->utcSeconds - 1));
        }
    }
}
BENCHMARK(BM_SunFortnightWithPositions)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
