// The window's cost: from the click to the last append, on Qt's offscreen platform, next to
// the same report made without a window.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "bench_texts.h"
#include "counting_window.h"
#include "platform/edge_encoding.h"
#include "shell/main_window.h"
#include "shell/program_setup.h"
#include "shell/run_report.h"

namespace quillet {
namespace {

void BM_ReportWithoutWindow(benchmark::State& state) {
  CountingWindow window(MixedText(static_cast<std::size_t>(state.range(0))));
  for (auto _ : state) RunReport(window);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void BM_ReportInWindow(benchmark::State& state) {
  MainWindow window;
  window.show();
  const Text text = MixedText(static_cast<std::size_t>(state.range(0)));
  window.SourceBox()->setText(QString::fromStdU16String(Utf16FromGbk(text)));
  for (auto _ : state) {
    QTest::mouseClick(window.RunButton(), Qt::LeftButton);  // returns after the last append
    state.PauseTiming();
    QCoreApplication::processEvents();  // the paint that follows, outside the figure
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

BENCHMARK(BM_ReportWithoutWindow)
    ->Arg(1 << 10)
    ->Arg(64 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportInWindow)
    ->Arg(1 << 10)
    ->Arg(64 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillet

int main(int argc, char** argv) {
  quillet::SetUpProgram();
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
