// One full calculation: meridian, east and west for one site and date.
#include "calc/crossings.h"
#include "calc/date_value.h"

#include <benchmark/benchmark.h>

static void BM_ComputeCrossings(benchmark::State &bs)
{
    orvane::SolarState s;
    orvane::initConstants(s);
    s.inputDate = orvane::dateSerial(2024, 6, 21);
    s.latitude = 40.655;
    s.longitude = -72.855;
    s.zoneMeridian = -75;
    for (auto _ : bs) {
        benchmark::DoNotOptimize(s.latitude);
        orvane::Crossings c = orvane::computeCrossings(s, true);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_ComputeCrossings);

BENCHMARK_MAIN();
