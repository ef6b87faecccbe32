#pragma once

// Hexadecimal digits as the decoders read them: a byte is looked up in "0123456789ABCDEF",
// case-sensitively, and a byte that is not found counts as -2 (its position -1, less one).

#include <cstdint>

#include "text/values.h"

namespace quillet {

inline constexpr char kHexDigits[] = "0123456789ABCDEF";

constexpr std::int32_t HexDigitValue(unsigned char byte) {
  if (byte >= '0' && byte <= '9') return byte - '0';
  if (byte >= 'A' && byte <= 'F') return byte - 'A' + 10;
  return -2;
}

constexpr unsigned char AsciiUppercase(unsigned char byte) {
  return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - 'a' + 'A') : byte;
}

// The two upper-case digits of the low 8 bits of value.
inline Text& AppendHexPair(Text& text, std::int32_t value) {
  return text.AppendByte(kHexDigits[(value >> 4) & 0xF]).AppendByte(kHexDigits[value & 0xF]);
}

}  // namespace quillet
