#pragma once

#include <cstdio>
#include <span>
#include <string_view>

namespace quillet {

// quillet-report: the report of one test text on a terminal. Returns the exit status: 0 for a
// report, 1 for an empty text (or output that could not be written), 2 for a bad command line.
int RunReportTool(std::span<const std::string_view> arguments, std::FILE* input, std::FILE* output,
                  std::FILE* errors);

}  // namespace quillet
