#pragma once

#include "text/values.h"

namespace quillet {

// The RFC 4648 alphabet, which the decoder shares.
inline constexpr char kBase64Alphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Base64 with "=" fill and no line breaks.
Text Base64Encode(const ByteString& data);

}  // namespace quillet
