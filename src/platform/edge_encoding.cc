#include "platform/edge_encoding.h"

#include "platform/codepage.h"

namespace quillet {
namespace {

using codepage::MultiByteToWideChar;
using codepage::WideCharToMultiByte;

// UTF-16 as the services hold it: bytes, each unit low byte first.
std::string WideFromBytes(std::uint32_t code_page, std::string_view bytes) {
  const int length = static_cast<int>(bytes.size());
  const int units = MultiByteToWideChar(code_page, 0, bytes.data(), length, nullptr, 0);
  std::string wide(2 * static_cast<std::size_t>(units), '\0');
  MultiByteToWideChar(code_page, 0, bytes.data(), length,
                      reinterpret_cast<unsigned char*>(wide.data()), units);
  return wide;
}

std::string BytesFromWide(std::uint32_t code_page, std::string_view wide) {
  const auto* units = reinterpret_cast<const unsigned char*>(wide.data());
  const int count = static_cast<int>(wide.size() / 2);
  const int length = WideCharToMultiByte(code_page, 0, units, count, nullptr, 0);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(code_page, 0, units, count, bytes.data(), length);
  return bytes;
}

std::string WideFromUtf16(std::u16string_view utf16) {
  std::string wide;
  wide.reserve(2 * utf16.size());
  for (const char16_t unit : utf16) {
    wide += static_cast<char>(unit & 0xFF);
    wide += static_cast<char>(unit >> 8);
  }
  return wide;
}

}  // namespace

Text GbkFromUtf8(std::string_view utf8) {
  return Text(BytesFromWide(codepage::kCpGbk, WideFromBytes(codepage::kCpUtf8, utf8)));
}

Text GbkFromUtf16(std::u16string_view utf16) {
  return Text(BytesFromWide(codepage::kCpGbk, WideFromUtf16(utf16)));
}

std::string Utf8FromGbk(const Text& text) {
  return BytesFromWide(codepage::kCpUtf8, WideFromBytes(codepage::kCpGbk, text.View()));
}

std::u16string Utf16FromGbk(const Text& text) {
  const std::string wide = WideFromBytes(codepage::kCpGbk, text.View());
  std::u16string utf16(wide.size() / 2, u'\0');
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    utf16[i] = static_cast<char16_t>(static_cast<unsigned char>(wide[2 * i]) |
                                     (static_cast<unsigned char>(wide[2 * i + 1]) << 8));
  }
  return utf16;
}

}  // namespace quillet
