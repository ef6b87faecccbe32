#include "transforms/script_escapes.h"

namespace quillet {

Text AnsiToUcs2(const Text& /*text*/) { return Text(); }
Text Ucs2ToAnsi(const Text& /*text*/) { return Text(); }

}  // namespace quillet
