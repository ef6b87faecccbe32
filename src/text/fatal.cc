#include "text/fatal.h"

#include <cstdio>
#include <cstdlib>
#include <new>

namespace quillet {

void FatalError(std::string_view what) {
  std::fprintf(stderr, "quillet: stopped: %.*s\n", static_cast<int>(what.size()), what.data());
  std::fflush(stderr);
  std::abort();
}

void StopOnOutOfMemory() {
  std::set_new_handler([] { FatalError("out of memory"); });
}

}  // namespace quillet
