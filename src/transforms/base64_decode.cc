#include "transforms/base64_decode.h"

namespace quillet {

ByteString Base64Decode(Text& /*text*/) { return ByteString(); }

}  // namespace quillet
