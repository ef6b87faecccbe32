#include "transforms/chinese_script.h"

namespace quillet {

Text SimplifiedToTraditional(const Text& /*text*/) { return Text(); }
Text TraditionalToSimplified(const Text& /*text*/) { return Text(); }
Text Big5ToTraditional(const Text& /*text*/) { return Text(); }
Text TraditionalToBig5(const Text& /*text*/) { return Text(); }
Text Big5ToSimplified(const Text& /*text*/) { return Text(); }
Text SimplifiedToBig5(const Text& /*text*/) { return Text(); }

}  // namespace quillet
