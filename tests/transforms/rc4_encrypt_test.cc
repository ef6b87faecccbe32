#include "transforms/rc4_encrypt.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"
#include "text/byte_operations.h"

namespace quillet {
namespace {

TEST(Rc4EncryptTest, UnderTheEmptyKey) {
  struct Case {
    const char* text;
    const char* cipher;
  };
  for (const Case& c :
       {Case{"", ""}, Case{"a", "BF,"}, Case{"ab", "BF,7A,"}, Case{"abc", "BF,7A,EA,"},
        Case{"Hello", "96,7D,E5,2D,CC,"}, Case{"\xD6\xD0\xCE\xC4", "08,C8,47,85,"}}) {
    EXPECT_EQ(Rc4Encrypt(c.text, ""), Text(c.cipher)) << c.text;
  }
}

TEST(Rc4EncryptTest, TheEmptyKeyStreamIsThatOfAOneByteZeroKey) {
  ByteArray state = Rc4KeySchedule("");
  EXPECT_EQ(Hex(Rc4XorStream(state, BytesBlank(8)).View()), "DE 18 89 41 A3 37 5D 3A");
}

std::string Repeat(std::string_view piece, std::size_t times) {
  std::string repeated;
  while (times-- > 0) repeated += piece;
  return repeated;
}

TEST(Rc4EncryptTest, TheKeyIsRepeatedByteByByteAndCutAt256) {
  EXPECT_EQ(Rc4Encrypt("plain", "k"), Rc4Encrypt("plain", Text(Repeat("k", 256))));
  const std::string alphabet = Repeat("abcdefghijklmnopqrstuvwxyz", 12);  // 312 bytes
  const auto schedule = [](std::string_view key) {
    return BytesFromText(Rc4KeySchedule(Text(key)));
  };
  EXPECT_EQ(schedule(alphabet), schedule(alphabet.substr(0, 256)));
  EXPECT_NE(schedule(alphabet), schedule(alphabet.substr(0, 255)));
  // A two-byte character gives its two bytes to two positions of the key block.
  EXPECT_EQ(Rc4Encrypt("x", "\xD6\xD0"), Rc4Encrypt("x", Text(Repeat("\xD6\xD0", 128))));
}

TEST(Rc4EncryptTest, ByteToHexGivesTwoUpperCaseDigits) {
  EXPECT_EQ(ByteToHex(0), Text("00"));
  EXPECT_EQ(ByteToHex(10), Text("0A"));
  EXPECT_EQ(ByteToHex(171), Text("AB"));
  EXPECT_EQ(ByteToHex(255), Text("FF"));
}

}  // namespace
}  // namespace quillet
