#include "transforms/rc4_decrypt.h"

#include <gtest/gtest.h>

#include <random>

#include "random_texts.h"
#include "test_support.h"
#include "transforms/rc4_encrypt.h"

namespace quillet {
namespace {

TEST(Rc4DecryptTest, ReadsAnyTextAsAHexadecimalList) {
  struct Case {
    const char* input;
    const char* afterwards;
    const char* result;
  };
  for (const Case& c : {
           Case{"BF,7A,EA,", "BF7AEA", "abc"}, Case{"BF7AEA", "BF7AEA", "abc"},
           Case{"bf7aea", "bf7aea", "abc"}, Case{"", "", ""}, Case{",,,", "", ""},
           Case{"DE", "DE", ""},  // the only plain byte is 00
           Case{"7", "7", "\xD9"},
           Case{"zz", "zz", ""},  // -34 is the cipher byte DE, which deciphers to 00
           Case{"\xD6\xD0\xCE\xC4", "\xD6\xD0\xCE\xC4", ""},
           Case{"BF 7A", "BF 7A", "a\xFF\x83"},      // the space shifts the pairing after it
           Case{"100\x80,", "100\x80", "\xCE\xE6"},  // the euro sign before a comma stays
       }) {
    Text text(c.input);
    EXPECT_EQ(Rc4Decrypt(text, ""), Text(c.result)) << Hex(c.input);
    EXPECT_EQ(text, Text(c.afterwards)) << Hex(c.input);
  }
}

TEST(Rc4DecryptTest, HexToIntCountsOtherBytesAsMinusTwo) {
  struct Case {
    const char* digits;
    std::int32_t value;
  };
  for (const Case& c : {Case{"7", 7}, Case{"ff", 255}, Case{"FF", 255}, Case{"zz", -34},
                        Case{"G1", -31}, Case{"1G", 14}, Case{"", 0},
                        Case{"\xD6"
                             "a",
                             -34},  // a is the second byte of D6 61: not upper-cased
                        Case{"\x80"
                             "a",
                             -22}}) {
    EXPECT_EQ(HexToInt(c.digits), c.value) << Hex(c.digits);
  }
}

TEST(Rc4DecryptTest, UndoesEncryptionUnderAnyKey) {
  std::mt19937 random(2);
  for (int round = 0; round < 300; ++round) {
    const Text text = RandomBytesText(random, 64);
    const Text key = RandomBytesText(random, 300);
    Text cipher = Rc4Encrypt(text, key);
    ASSERT_EQ(Rc4Decrypt(cipher, key), text) << Hex(text.View()) << " / " << Hex(key.View());
  }
}

}  // namespace
}  // namespace quillet
