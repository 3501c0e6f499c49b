// Cost of one full recalculation (all 27 captions), of reading a number, of
// a pad's response with its parts' parasitics (budgets: 1001 frequencies in
// 0.5 ms, both bandwidths in 1 ms), and of a step attenuator of 8 bits of Pi
// pads (budgets: every state in 5 ms, with every corner of every state at
// the tolerance in 2 s).

#include "base/numtext.h"
#include "pads/response.h"
#include "pads/steps.h"
#include "window/calc.h"

#include <benchmark/benchmark.h>

namespace {

void fullrecalc(benchmark::State& state)
{
    velkor::Calc c;
    c.loadseries(velkor::Series::E12);
    c.pwr = 1;
    c.sysz = 50;
    double db = 6;
    for (auto _ : state) {
        c.atten = db;
        db = db < 59 ? db + 0.37 : 0.5;   // a different value every run
        benchmark::DoNotOptimize(c.recalc());
        benchmark::DoNotOptimize(c.captions.data());
    }
}
BENCHMARK(fullrecalc);

void readnumber(benchmark::State& state)
{
    const char* texts[] = {"6", " 50", "12.5", "1e3", "7 50", "0.05", "abc"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(velkor::readNumber(texts[i]));
        i = (i + 1) % std::size(texts);
    }
}
BENCHMARK(readnumber);

void signposition(benchmark::State& state)
{
    double x = 50;
    for (auto _ : state) {
        benchmark::DoNotOptimize(velkor::signText(x));
        x += 0.25;
    }
}
BENCHMARK(signposition);

// A 6 dB Pi of E12 parts, each with 0603-like parasitics.
const velkor::PadResult& sixdbpi()
{
    static const velkor::PadResult pad = velkor::evaluatePads({6, 1, {50, 50}, velkor::Series::E12, 0.1})->front();
    return pad;
}
constexpr velkor::Parasitics parts{0.5e-9, 50e-15, 80e-15};

void response1001(benchmark::State& state)
{
    std::vector<double> hertz;
    for (int i = 0; i <= 1000; ++i)
        hertz.push_back(6e9 * i / 1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(velkor::response(sixdbpi(), {50, 50}, parts, hertz).data());
}
BENCHMARK(response1001)->Unit(benchmark::kMillisecond);

void bothbandwidths(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(velkor::bandwidths(sixdbpi(), {50, 50}, parts, 0.1, 20));
}
BENCHMARK(bothbandwidths)->Unit(benchmark::kMillisecond);

// 1-2-4-...-128 dB of Pi pads of E24 parts between 50 ohms.
velkor::StepRequest eightBits(bool tolerance)
{
    return {{1, 2, 4, 8, 16, 32, 64, 128}, velkor::PadKind::pi, 1, 50, velkor::Series::E24, {0.01, tolerance}, false};
}

void steps8(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(velkor::evaluateSteps(eightBits(false)));
}
BENCHMARK(steps8)->Unit(benchmark::kMillisecond);

void steps8Corners(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(velkor::evaluateSteps(eightBits(true)));
}
BENCHMARK(steps8Corners)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
