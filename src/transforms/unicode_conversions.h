#pragma once

// Conversions between GBK (Ansi, Gb2312), UTF-8 and UTF-16LE (Unicode). A UTF-16 form is a
// ByteString of little-endian units; an odd final byte is never read.

#include <cstdint>

#include "text/values.h"

namespace quillet {

ByteString AnsiToUnicode(const Text& text);  // with one zero unit at the end
ByteString UnicodeToUtf8(const ByteString& wide);
ByteString AnsiToUtf8(const Text& text);
ByteString Utf8ToUnicode(const ByteString& bytes);  // no terminator
Text UnicodeToAnsi(const ByteString& wide);
Text Utf8ToAnsi(const ByteString& bytes);
ByteString CodePageToUtf16(const Text& text, std::int32_t code_page = 65001);
Text Utf16ToCodePage(const ByteString& wide, std::int32_t code_page);
Text Gb2312ToUtf8(const Text& text);  // a Text that holds UTF-8 bytes
Text Utf8ToGb2312(const Text& text);

}  // namespace quillet
