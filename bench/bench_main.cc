// The programs' own memory set-up, so that the figures are the ones a user sees.

#include <benchmark/benchmark.h>

#include "shell/program_setup.h"

int main(int argc, char** argv) {
  quillet::SetUpProgram();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
