// The whole report, as a click on the button makes it, without a window.

#include <benchmark/benchmark.h>

#include "bench_texts.h"
#include "counting_window.h"
#include "shell/run_report.h"

namespace quillet {
namespace {

void BM_Report(benchmark::State& state) {
  CountingWindow window(MixedText(static_cast<std::size_t>(state.range(0))));
  for (auto _ : state) {
    RunReport(window);
    benchmark::DoNotOptimize(window.bytes());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
  state.counters["report_bytes"] = static_cast<double>(window.bytes());
}
BENCHMARK(BM_Report)->Arg(20)->Arg(1 << 10)->Arg(64 << 10)->Arg(1 << 20)->Unit(
    benchmark::kMicrosecond);

}  // namespace
}  // namespace quillet
