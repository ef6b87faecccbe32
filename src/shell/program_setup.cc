#include "shell/program_setup.h"

#include <malloc.h>

#include "text/fatal.h"

namespace quillet {

void SetUpProgram() {
  StopOnOutOfMemory();
  // A report makes dozens of values some times the size of the text and frees each at once.
  // With glibc's defaults every large one is a fresh mapping whose pages fault in anew, which
  // costs more than the transforms themselves (RC4 on 1 MiB: 34 MB/s instead of 180 MB/s).
  constexpr int kKeptBytes = 256 << 20;
  mallopt(M_MMAP_THRESHOLD, kKeptBytes);
  mallopt(M_TRIM_THRESHOLD, kKeptBytes);
}

void ReleaseFreedMemory() { malloc_trim(0); }

}  // namespace quillet
