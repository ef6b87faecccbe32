#pragma once

// RC4 decryption of a text read as the hexadecimal list that Rc4Encrypt writes.

#include <cstdint>

#include "text/values.h"

namespace quillet {

// Hexadecimal digits read byte by byte; any other byte counts as the digit -2.
std::int32_t HexToInt(const Text& digits);
// Leaves text without its commas, whatever the result; the result ends at the first zero
// plain byte.
Text Rc4Decrypt(Text& text, const Text& key);

}  // namespace quillet
