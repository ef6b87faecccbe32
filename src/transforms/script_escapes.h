#pragma once

// The script engine's escape and unescape of a text.

#include "text/values.h"

namespace quillet {

Text AnsiToUcs2(const Text& text);  // escape: "%u4E2D" for 中
Text Ucs2ToAnsi(const Text& text);  // unescape of the "%uXXXX", "\uXXXX" and "%XX" forms

}  // namespace quillet
