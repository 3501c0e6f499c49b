// Cost of one full recalculation (all 27 captions) and of reading a number.

#include "calc.h"
#include "numtext.h"

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
        benchmark::DoNotOptimize(velkor::readnum(texts[i]));
        i = (i + 1) % std::size(texts);
    }
}
BENCHMARK(readnumber);

void signposition(benchmark::State& state)
{
    double x = 50;
    for (auto _ : state) {
        benchmark::DoNotOptimize(velkor::signtext(x));
        x += 0.25;
    }
}
BENCHMARK(signposition);

} // namespace

BENCHMARK_MAIN();
