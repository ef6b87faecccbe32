#include "transforms/rc4_encrypt.h"

namespace quillet {

ByteArray Rc4KeySchedule(const Text& /*key*/) { return ByteArray(256); }
ByteString Rc4XorStream(ByteArray& /*state*/, const ByteString& /*data*/) { return ByteString(); }
Text ByteToHex(std::int32_t /*value*/) { return Text(); }
Text Rc4Encrypt(const Text& /*text*/, const Text& /*key*/) { return Text(); }

}  // namespace quillet
