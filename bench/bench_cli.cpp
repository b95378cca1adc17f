// The command line's answer for a fortnight: the field data, its JSON, and
// the whole run from the arguments to the printed text; a dial's JSON; and a
// year's correction card.
#include "cli/command_line.h"
#include "cli/field_output.h"
#include "field/correction_card.h"
#include "field/dial_design.h"
#include "field/field_data.h"

#include <QTextStream>

#include <benchmark/benchmark.h>

namespace {

// The 21 June 2027 example: 40.655 N, 72.855 W, GMT-5 with daylight saving.
orvane::FieldInputs fortnight()
{
    orvane::FieldInputs in;
    in.date = QDate(2027, 6, 21);
    in.latitude = 40.655;
    in.longitude = -72.855;
    in.clock = orvane::SiteClock{-300, true};
    in.days = 14;
    in.markClock = 8 * 3600 + 55 * 60 + 10;
    return in;
}

void BM_FieldDataFortnight(benchmark::State &bs)
{
    const orvane::FieldInputs in = fortnight();
    for (auto _ : bs)
        benchmark::DoNotOptimize(orvane::computeFieldData(in));
}
BENCHMARK(BM_FieldDataFortnight)->Unit(benchmark::kMillisecond);

void BM_FieldJsonFortnight(benchmark::State &bs)
{
    const orvane::FieldData d = orvane::computeFieldData(fortnight());
    const QLocale locale(QStringLiteral("en_US"));
    for (auto _ : bs)
        benchmark::DoNotOptimize(orvane::fieldJson(d, QString(), locale));
}
BENCHMARK(BM_FieldJsonFortnight)->Unit(benchmark::kMicrosecond);

// A year's correction card on a fixed clock (0) or by New York's rules day
// by day (1): as the Dial Designer redraws it for a site moved a little
// each time, and for a year it has not drawn before.
orvane::CardInputs cardInputs(bool zone)
{
    orvane::CardInputs in{40.655, -72.855, 2027, false, orvane::SiteClock{-300, false}};
    if (zone)
        in.clock.zone = QTimeZone("America/New_York");
    return in;
}

void BM_CorrectionCardYear(benchmark::State &bs)
{
    orvane::CardInputs in = cardInputs(bs.range(0));
    for (auto _ : bs) {
        in.latitude += 1e-4;
        benchmark::DoNotOptimize(orvane::correctionCard(in));
    }
}
BENCHMARK(BM_CorrectionCardYear)->Arg(0)->Arg(1)->ArgName("zone")->Unit(benchmark::kMillisecond);

void BM_CorrectionCardNewYear(benchmark::State &bs)
{
    orvane::CardInputs in = cardInputs(bs.range(0));
    for (auto _ : bs) {
        in.year = in.year == 2100 ? 1950 : in.year + 1;
        benchmark::DoNotOptimize(orvane::correctionCard(in));
    }
}
BENCHMARK(BM_CorrectionCardNewYear)->Arg(0)->Arg(1)->ArgName("zone")->Unit(benchmark::kMillisecond);

// The whole run from the arguments to the printed answer.
void runCommandLine(benchmark::State &bs, const QStringList &args)
{
    for (auto _ : bs) {
        QString out, err;
        QTextStream o(&out), e(&err);
        benchmark::DoNotOptimize(orvane::runCommandLine(args, o, e));
        benchmark::DoNotOptimize(out);
    }
}

const QStringList kJune{"--date",  "6/21/2027",    "--latitude", "40.655",           "--longitude",
                        "-72.855", "--utc-offset", "-5",         "--daylight-saving"};

// Parsing, checking, computing and printing, as `orvane ... --days 14 --format json`.
void BM_CommandLineFortnight(benchmark::State &bs)
{
    runCommandLine(bs, kJune + QStringList{"--days", "14", "--mark", "08:55:10", "--format", "json"});
}
BENCHMARK(BM_CommandLineFortnight)->Unit(benchmark::kMillisecond);

// A 300 x 300 mm horizontal dial at quarter hours with its solstice and
// equinox lines, as `orvane ... --dial horizontal --hour-step 15 --format json`.
void BM_CommandLineDialJson(benchmark::State &bs)
{
    runCommandLine(bs, kJune + QStringList{"--dial", "horizontal", "--hour-step", "15", "--format", "json"});
}
BENCHMARK(BM_CommandLineDialJson)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// A roof's dial designed whole, as the designer does on each change: a
// plane facing 200 deg, leaning back 35 deg, quarter hours, month lines and
// the card (its year already worked out by the first run).
void BM_DesignPlaneDial(benchmark::State &bs)
{
    orvane::AcceptedSite site = fortnight();
    orvane::DialSettings settings;
    settings.type = orvane::dial::DialType::Plane;
    settings.facing = 200;
    settings.tilt = 35;
    settings.stepMinutes = 15;
    settings.dateLines = orvane::DateLineChoice::Months;
    const QLocale locale(QStringLiteral("en_US"));
    for (auto _ : bs)
        benchmark::DoNotOptimize(orvane::designDial(site, settings, orvane::DesignChoices{}, locale));
}
BENCHMARK(BM_DesignPlaneDial)->Unit(benchmark::kMillisecond);
