#pragma once

// Percent-encoding of the bytes of a text as they stand, and its decoding.

#include "text/values.h"

namespace quillet {

// Every byte as "%" and two upper-case digits; PumpEvents runs once per byte.
Text UrlEncodeGbk(const Text& text);
// Escapes back to bytes: a missing digit counts 0, a non-digit -2; the two bytes after "%"
// are always consumed and a decoded zero byte appends nothing.
Text UrlDecodeGbk(const Text& text);

}  // namespace quillet
