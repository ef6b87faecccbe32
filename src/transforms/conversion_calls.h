#pragma once

// The code-page services called on the value types: the conversions keep their two calls (the
// size query, then the conversion into a buffer the caller prepared) and read like that.

#include <cstdint>

#include "platform/codepage.h"
#include "text/values.h"

namespace quillet::conversion {

using codepage::kCpAcp;
using codepage::kCpBig5;
using codepage::kCpGbk;
using codepage::kCpUtf8;
using codepage::kWcCompositeCheck;

inline constexpr int kToTerminator = -1;

// The unit count of a UTF-16 form: its odd final byte is never read.
inline int UnitCount(const ByteString& wide) { return wide.Length() / 2; }

inline int WideSize(std::uint32_t code_page, const char* input, int length) {
  return codepage::MultiByteToWideChar(code_page, 0, input, length, nullptr, 0);
}

// Converts into wide, which holds as many units as its length allows.
inline void ToWide(std::uint32_t code_page, const char* input, int length, ByteString& wide) {
  codepage::MultiByteToWideChar(code_page, 0, input, length, wide.MutableData(), UnitCount(wide));
}

inline int NarrowSize(std::uint32_t code_page, std::uint32_t flags, const ByteString& wide,
                      int units, const char* default_char = nullptr) {
  return codepage::WideCharToMultiByte(code_page, flags, wide.Data(), units, nullptr, 0,
                                       default_char);
}

// Converts into out, which takes as many bytes as its length allows.
inline void ToNarrow(std::uint32_t code_page, std::uint32_t flags, const ByteString& wide,
                     int units, ByteString& out, const char* default_char = nullptr) {
  codepage::WideCharToMultiByte(code_page, flags, wide.Data(), units,
                                reinterpret_cast<char*>(out.MutableData()), out.Length(),
                                default_char);
}

// A buffer of n spaces, for output in a code page.
inline ByteString SpaceBuffer(std::int32_t n) {
  return ByteString(std::string(static_cast<std::size_t>(n > 0 ? n : 0), ' '));
}

}  // namespace quillet::conversion
