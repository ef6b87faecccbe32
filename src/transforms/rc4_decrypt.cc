#include "transforms/rc4_decrypt.h"

namespace quillet {

std::int32_t HexToInt(const Text& /*digits*/) { return 0; }
Text Rc4Decrypt(Text& /*text*/, const Text& /*key*/) { return Text(); }

}  // namespace quillet
