// Cost of one table row of velkor-cli: every pad with its worst case, and
// its CSV or JSON text (the budget is 25 us a row past the program's start).

#include "text/report.h"

#include <benchmark/benchmark.h>

namespace {

using Writer = void (*)(std::string&, const velkor::Row&);

void row(benchmark::State& state, Writer write, velkor::Ports ports)
{
    std::string out;
    double db = 6;
    for (auto _ : state) {
        db = db < 60 ? db + 0.01 : 6;   // the rows of 6:60:0.01
        const velkor::PadRequest q{db, 1, ports, velkor::Series::E12, 0.1};
        out.clear();
        write(out, {db, q.power, q.ports, q.series, q.tolerance, false, *velkor::evaluatePads(q)});
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK_CAPTURE(row, csv_equal, velkor::csvRow, velkor::Ports{50, 50});
BENCHMARK_CAPTURE(row, json_equal, velkor::jsonObject, velkor::Ports{50, 50});
BENCHMARK_CAPTURE(row, json_75_to_50, velkor::jsonObject, velkor::Ports{75, 50});

} // namespace

BENCHMARK_MAIN();
