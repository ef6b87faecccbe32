#include <cstdio>  // IWYU pragma: keep (stdin, stdout, stderr)
#include <string_view>
#include <vector>

#include "shell/program_setup.h"
#include "shell/report_tool.h"

int main(int argc, char** argv) {
  quillet::SetUpProgram();
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  return quillet::RunReportTool(arguments, stdin, stdout, stderr);
}
