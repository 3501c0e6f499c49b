// Cost of one table row of velkor-cli: every pad with its worst case, and
// its CSV or JSON text (the budget is 25 us a row past the program's start);
// and a row with every pad's bandwidths, of parts with parasitics given or
// of 0603 chips, rated (the package's row within 1.5 times the other).

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
BENCHMARK_CAPTURE(row, csv_equal, [](std::string& out, const velkor::Row& r) { velkor::csvRow(out, r); },
                  velkor::Ports{50, 50});
BENCHMARK_CAPTURE(row, json_equal, velkor::jsonObject, velkor::Ports{50, 50});
BENCHMARK_CAPTURE(row, json_75_to_50, velkor::jsonObject, velkor::Ports{75, 50});

void radioRow(benchmark::State& state, bool packaged)
{
    velkor::RadioFrequency radio{true, {0.5e-9, 50e-15, 80e-15}};
    if (packaged) {
        radio.package = velkor::chipSizeByName("0603");
        radio.parts = velkor::packageParasitics(*radio.package, radio.board);
    }
    std::string out;
    double db = 6;
    for (auto _ : state) {
        db = db < 60 ? db + 0.01 : 6;
        const velkor::PadRequest q{db, 1, {50, 50}, velkor::Series::E12, 0.1};
        std::vector<velkor::PadResult> pads = *velkor::evaluatePads(q);
        std::vector<velkor::PadRadio> padRadio = *velkor::evaluateRadio(pads, q.ports, radio);
        out.clear();
        velkor::csvRow(out, {db, q.power, q.ports, q.series, q.tolerance, false, std::move(pads), radio,
                             std::move(padRadio)});
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK_CAPTURE(radioRow, csv_parasitics, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(radioRow, csv_package_0603, true)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
