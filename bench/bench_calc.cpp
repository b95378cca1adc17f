// One full calculation: meridian, east and west for one site and date.
#include "calc/crossings.h"
#include "calc/date_value.h"

#include <benchmark/benchmark.h>

static void BM_ComputeCrossings(benchmark::State &bs)
{
    orvane::SolarState s;
    orvane::InitConstants(s);
    s.InputDate = orvane::DateSerial(2024, 6, 21);
    s.Latitude = 40.655;
    s.Longitude = -72.855;
    s.ZoneMeridian = -75;
    for (auto _ : bs) {
        benchmark::DoNotOptimize(s.Latitude);
        orvane::Crossings c = orvane::ComputeCrossings(s, true);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_ComputeCrossings);

BENCHMARK_MAIN();
