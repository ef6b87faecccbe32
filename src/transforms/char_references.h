#pragma once

// Numeric character references of UTF-16 units ("&#20013"), and the UTF-16 form itself.

#include "text/values.h"

namespace quillet {

Text AnsiToUnicodeText(const Text& text);  // signed decimal: U+8BD5 is "&#-29739"
Text UnicodeTextToAnsi(const Text& text);
ByteString AsciiToUnicode(const Text& text);  // with one zero unit at the end

}  // namespace quillet
