// Cost of one table row of velkor-cli: the evaluation and its CSV or JSON
// text (the budget is 10 us a row past the program's start).

#include "output.h"

#include <benchmark/benchmark.h>

namespace {

template <void (*write)(std::string&, const velkor::cli::Row&)>
void row(benchmark::State& state)
{
    velkor::Calc c;
    c.loadseries(velkor::Series::E12);
    c.pwr = 1;
    c.sysz = 50;
    std::string out;
    double db = 0.01;
    for (auto _ : state) {
        c.atten = db;
        db = db < 60 ? db + 0.01 : 0.01;   // the rows of 0.01:60:0.01
        out.clear();
        write(out, {{c.atten, c.pwr, c.sysz, velkor::Series::E12}, *c.evaluate()});
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(row<velkor::cli::csvrow>)->Name("csvrow");
BENCHMARK(row<velkor::cli::jsonobject>)->Name("jsonrow");

} // namespace

BENCHMARK_MAIN();
