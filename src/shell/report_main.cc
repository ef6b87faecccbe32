#include <cstdio>
#include <string_view>
#include <vector>

#include "shell/program_setup.h"
#include "shell/report_tool.h"

int main(int argc, char** argv) {
  quillet::SetUpProgram();
  static char output_buffer[1 << 20];
  std::setvbuf(stdout, output_buffer, _IOFBF, sizeof output_buffer);
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  return quillet::RunReportTool(arguments, stdin, stdout, stderr);
}
