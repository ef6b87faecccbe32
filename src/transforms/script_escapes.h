#pragma once

// The script engine's escape and unescape of a text. The text is placed in a string literal of
// a one-line script function; whatever it holds, it never leaves that literal.

#include <string_view>

#include "text/values.h"

namespace quillet {

// The ProgID of the script control the transforms create.
inline constexpr std::u16string_view kScriptControlProgId = u"ScriptControl";

Text AnsiToUcs2(const Text& text);  // escape: "%u4E2D" for 中
Text Ucs2ToAnsi(const Text& text);  // unescape of the "%uXXXX", "\uXXXX" and "%XX" forms

// The same with the control created from prog_id: an unknown class gives the empty text, as
// when the component is missing.
Text AnsiToUcs2(const Text& text, std::u16string_view prog_id);
Text Ucs2ToAnsi(const Text& text, std::u16string_view prog_id);

}  // namespace quillet
