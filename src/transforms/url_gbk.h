#pragma once

// Percent-encoding of the bytes of a text as they stand, and its decoding. The percent steps
// are shared with the UTF-8 pair.

#include "text/values.h"

namespace quillet {

// Every byte as "%" and two upper-case digits; PumpEvents runs once per byte.
Text PercentEncode(const ByteString& bytes);
// Escapes back to bytes: a missing digit counts 0, a non-digit -2; the two bytes after "%"
// are always consumed and a decoded zero byte appends nothing.
Text PercentDecode(const Text& text);

Text UrlEncodeGbk(const Text& text);  // PercentEncode of the text's bytes
Text UrlDecodeGbk(const Text& text);  // PercentDecode

}  // namespace quillet
