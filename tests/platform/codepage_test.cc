#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

namespace quillet::codepage {
namespace {

// Units as the services hold them: bytes, low byte first.
std::string Wide(std::u16string_view units) {
  std::string bytes;
  for (const char16_t unit : units) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

const unsigned char* Units(const std::string& wide) {
  return reinterpret_cast<const unsigned char*>(wide.data());
}

// Both calls of the contract: the size query, then the conversion into a buffer of that size
// filled beforehand with fill.
std::string ToWide(std::uint32_t code_page, std::string_view input, int length, char fill = 0) {
  const int units = MultiByteToWideChar(code_page, 0, input.data(), length, nullptr, 0);
  std::string wide(2 * static_cast<std::size_t>(units), fill);
  MultiByteToWideChar(code_page, 0, input.data(), length,
                      reinterpret_cast<unsigned char*>(wide.data()), units);
  return wide;
}

std::string FromWide(std::uint32_t code_page, std::uint32_t flags, const std::string& wide,
                     int count, const char* default_char = nullptr) {
  const int bytes =
      WideCharToMultiByte(code_page, flags, Units(wide), count, nullptr, 0, default_char);
  std::string out(static_cast<std::size_t>(bytes), ' ');
  WideCharToMultiByte(code_page, flags, Units(wide), count, out.data(), bytes, default_char);
  return out;
}

// Raw UTF-16LE bytes, for units that u"" literals cannot hold (unpaired surrogates).
template <std::size_t N>
std::string Units16(const char (&bytes)[N]) {
  return std::string(bytes, N - 1);
}

TEST(CodepageTest, DecodesWithAndWithoutTheTerminator) {
  EXPECT_EQ(Hex(ToWide(kCpGbk,
                       "\xD6\xD0\xCE\xC4"
                       "A",
                       -1)),
            "2D 4E 87 65 41 00 00 00");
  EXPECT_EQ(Hex(ToWide(kCpAcp,
                       "\xD6\xD0\xCE\xC4"
                       "A",
                       -1)),
            "2D 4E 87 65 41 00 00 00");
  EXPECT_EQ(Hex(ToWide(kCpGbk,
                       "\xD6\xD0\xCE\xC4"
                       "A",
                       5)),
            "2D 4E 87 65 41 00");
  EXPECT_EQ(Hex(ToWide(kCpGbk, "a\0b", 3)), "61 00 00 00 62 00");  // explicit: zeros too
  EXPECT_EQ(Hex(ToWide(kCpUtf8, "\xE4\xB8\xAD", 3)), "2D 4E");
  EXPECT_EQ(Hex(ToWide(kCpBig5, "\xA4\xA4\xA4\xE5", 4)), "2D 4E 87 65");
}

TEST(CodepageTest, InvalidInputDecodesToReplacementCharacters) {
  EXPECT_EQ(Hex(ToWide(kCpGbk, "\x80\xFF", 2)), "AC 20 F5 F8");  // euro, private use
  EXPECT_EQ(Hex(ToWide(kCpGbk,
                       "\x81\x30"
                       "A\xD6",
                       4)),
            "FD FF 30 00 41 00 FD FF");
  EXPECT_EQ(Hex(ToWide(kCpGbk, "\xD6 ", 2)), "FD FF 20 00");  // the space is not swallowed
  EXPECT_EQ(Hex(ToWide(kCpUtf8, "\xE4\xB8", 2)), "FD FF");
  EXPECT_EQ(Hex(ToWide(kCpUtf8, "\xF0\x9F\x98\x80", 4)), "3D D8 00 DE");
}

TEST(CodepageTest, EmptyInputReturnsZeroAndWritesNothing) {
  unsigned char wide[4] = {0xEE, 0xEE, 0xEE, 0xEE};
  EXPECT_EQ(MultiByteToWideChar(kCpGbk, 0, "", -1, nullptr, 0), 0);
  EXPECT_EQ(MultiByteToWideChar(kCpGbk, 0, "", -1, wide, 2), 0);
  EXPECT_EQ(MultiByteToWideChar(kCpGbk, 0, "abc", 0, wide, 2), 0);
  EXPECT_EQ(MultiByteToWideChar(kCpGbk, 0, nullptr, 3, wide, 2), 0);
  char bytes[2] = {'x', 'x'};
  const unsigned char zero_unit[2] = {0, 0};
  EXPECT_EQ(WideCharToMultiByte(kCpGbk, 0, zero_unit, -1, bytes, 2), 0);
  EXPECT_EQ(WideCharToMultiByte(kCpGbk, 0, zero_unit, 0, bytes, 2), 0);
  EXPECT_EQ(LCMapStringA(kLocaleChineseSimplified, kLcmapTraditionalChinese, "", 0, bytes, 2), 0);
  EXPECT_EQ(Hex(std::string_view(reinterpret_cast<char*>(wide), 4)), "EE EE EE EE");
  EXPECT_EQ(std::string(bytes, 2), "xx");
}

TEST(CodepageTest, AShortBufferTakesTheWholeCharactersThatFit) {
  std::string wide(6, '\xEE');
  EXPECT_EQ(MultiByteToWideChar(kCpGbk, 0,
                                "\xD6\xD0\xCE\xC4"
                                "A",
                                -1, reinterpret_cast<unsigned char*>(wide.data()), 3),
            0);
  EXPECT_EQ(Hex(wide), "2D 4E 87 65 41 00");

  std::string pair(2, '\xEE');  // a surrogate pair is never split
  MultiByteToWideChar(kCpUtf8, 0, "\xF0\x9F\x98\x80", 4,
                      reinterpret_cast<unsigned char*>(pair.data()), 1);
  EXPECT_EQ(Hex(pair), "EE EE");

  const std::string units = Wide(u"\u4E2D\u6587A");
  std::string bytes(5, '.');
  EXPECT_EQ(WideCharToMultiByte(kCpGbk, 0, Units(units), 3, bytes.data(), 3), 0);
  EXPECT_EQ(Hex(bytes), "D6 D0 2E 2E 2E");
  const std::string utf8_units = Wide(u"a\u4E2D");
  std::string utf8(4, '.');
  WideCharToMultiByte(kCpUtf8, 0, Units(utf8_units), 2, utf8.data(), 3);
  EXPECT_EQ(utf8, "a...");

  char mapped[3] = {' ', ' ', ' '};
  LCMapStringA(kLocaleChineseSimplified, kLcmapTraditionalChinese, "\xB2\xE2\xCA\xD4", 4, mapped,
               3);
  EXPECT_EQ(Hex(std::string_view(mapped, 3)), "9C 79 20");
}

TEST(CodepageTest, EncodesWithTheDefaultCharacter) {
  const std::string gbk_units = Wide(u"\u4E2D\u6587A");
  EXPECT_EQ(Hex(FromWide(kCpGbk, 0, gbk_units + Wide(u"\0"), -1)), "D6 D0 CE C4 41 00");
  EXPECT_EQ(Hex(FromWide(kCpGbk, 0, gbk_units, 3)), "D6 D0 CE C4 41");
  EXPECT_EQ(FromWide(kCpGbk, 0, Wide(u"\u4241"), 1), "?");  // GBK lacks U+4241

  const char zero = '\0';
  EXPECT_EQ(Hex(FromWide(kCpBig5, 0, Wide(u"\u4E2D\u6D4B"), 2, &zero)), "A4 A4 00");
  EXPECT_EQ(Hex(FromWide(kCpBig5, 0, Wide(u"\u4E2D\u6D4B"), 2)), "A4 A4 3F");

  const std::string lone_surrogate = Wide(u"a") + Units16("\x3D\xD8");
  EXPECT_EQ(Hex(FromWide(kCpUtf8, 0, lone_surrogate, 2)), "61 EF BF BD");
  EXPECT_EQ(FromWide(kCpGbk, 0, lone_surrogate, 2), "a?");
  EXPECT_EQ(FromWide(kCpGbk, 0, Units16("\x3D\xD8\x00\xDE"), 2), "?");  // an emoji
  EXPECT_EQ(FromWide(kCpGbk, 0, Wide(u"\u200B"), 1), "?");              // ignorable, still replaced
  EXPECT_EQ(Hex(FromWide(kCpUtf8, 0, Units16("\x3D\xD8\x00\xDE"), 2)), "F0 9F 98 80");
}

TEST(CodepageTest, CompositeCheckJoinsPairsTheCodePageHas) {
  EXPECT_EQ(Hex(FromWide(kCpGbk, kWcCompositeCheck, Wide(u"e\u0301"), 2)), "A8 A6");
  EXPECT_EQ(FromWide(kCpGbk, 0, Wide(u"e\u0301"), 2), "e?");
  EXPECT_EQ(FromWide(kCpGbk, kWcCompositeCheck, Wide(u"A\u030A"), 2), "A?");  // GBK lacks Å
  EXPECT_EQ(Hex(FromWide(kCpGbk, kWcCompositeCheck, Wide(u"\uF900"), 1)),
            Hex(FromWide(kCpGbk, 0, Wide(u"\uF900"), 1)));  // singletons stay as they are
  EXPECT_EQ(Hex(FromWide(kCpGbk, kWcCompositeCheck, Wide(u"\u0301a"), 2)), "3F 61");
}

TEST(CodepageTest, MapsSimplifiedAndTraditionalChinese) {
  const auto map = [](std::uint32_t flags, std::string_view text) {
    const int length = static_cast<int>(text.size());
    std::string out(text.size(), ' ');
    LCMapStringA(kLocaleChineseSimplified, flags, text.data(), length, out.data(), length);
    return out;
  };
  EXPECT_EQ(Hex(map(kLcmapTraditionalChinese, "\xB2\xE2\xCA\xD4")), "9C 79 D4 87");  // 測試
  EXPECT_EQ(Hex(map(kLcmapSimplifiedChinese, "\x9C\x79\xD4\x87")), "B2 E2 CA D4");   // 测试
  EXPECT_EQ(map(kLcmapTraditionalChinese, "abc"), "abc");
  EXPECT_EQ(
      LCMapStringA(kLocaleChineseSimplified, kLcmapTraditionalChinese, "\xB2\xE2", 2, nullptr, 0),
      2);
  char untouched[2] = {'x', 'x'};
  EXPECT_EQ(LCMapStringA(1033, kLcmapTraditionalChinese, "ab", 2, untouched, 2), 0);
  EXPECT_EQ(LCMapStringA(kLocaleChineseSimplified, 0, "ab", 2, untouched, 2), 0);
  EXPECT_EQ(std::string(untouched, 2), "xx");
}

TEST(CodepageTest, UnknownCodePagesConvertNothing) {
  EXPECT_EQ(MultiByteToWideChar(1252, 0, "abc", 3, nullptr, 0), 0);
  const std::string units = Wide(u"a");
  EXPECT_EQ(WideCharToMultiByte(437, 0, Units(units), 1, nullptr, 0), 0);
}

}  // namespace
}  // namespace quillet::codepage
