#pragma once

// How the two programs turn what the user typed into GBK and the report back into something a
// terminal or a widget shows. Built on the code-page services like everything else.

#include <string>
#include <string_view>

#include "text/values.h"

namespace quillet {

// Characters GBK lacks become "?", as an ANSI edit box makes them; malformed UTF-8 too.
Text GbkFromUtf8(std::string_view utf8);
Text GbkFromUtf16(std::u16string_view utf16);

// Bytes that are not GBK become U+FFFD.
std::string Utf8FromGbk(const Text& text);
std::u16string Utf16FromGbk(const Text& text);

}  // namespace quillet
