#include "transforms/chinese_script.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace quillet {
namespace {

using Transform = Text (*)(const Text&);
constexpr Transform kAllSix[] = {SimplifiedToTraditional, TraditionalToSimplified,
                                 Big5ToTraditional,       TraditionalToBig5,
                                 Big5ToSimplified,        SimplifiedToBig5};

TEST(ChineseScriptTest, EmptyAndAsciiPassUnchanged) {
  for (const Transform transform : kAllSix) {
    EXPECT_TRUE(transform("").IsEmpty());
    EXPECT_EQ(transform("abc"), Text("abc"));
  }
}

TEST(ChineseScriptTest, SimplifiedAndTraditionalWithinGbk) {
  EXPECT_EQ(Hex(SimplifiedToTraditional("\xB2\xE2\xCA\xD4").View()), "9C 79 D4 87");  // 測試
  EXPECT_EQ(Hex(TraditionalToSimplified("\x9C\x79\xD4\x87").View()), "B2 E2 CA D4");  // 测试
  const Text mixed(
      "ab\xB2\xE2 \xB7\xA2\xCD\xB7\xB7\xA2"
      "c\x80");  // ab测 发头发c€
  EXPECT_EQ(SimplifiedToTraditional(mixed).Length(), mixed.Length());
  EXPECT_EQ(TraditionalToSimplified(SimplifiedToTraditional(mixed)), mixed);
}

TEST(ChineseScriptTest, ToBig5EndsBeforeTheFirstCharacterBig5Lacks) {
  EXPECT_EQ(Hex(TraditionalToBig5("\xD6\xD0\xCE\xC4").View()), "A4 A4 A4 E5");
  EXPECT_EQ(Hex(TraditionalToBig5("\xD6\xD0\xCE\xC4\xB2\xE2\xCA\xD4").View()), "A4 A4 A4 E5");
  EXPECT_TRUE(TraditionalToBig5("\xB2\xE2"
                                "a")
                  .IsEmpty());  // 测 is simplified only
  EXPECT_EQ(Hex(SimplifiedToBig5("\xB2\xE2\xCA\xD4").View()), "B4 FA B8 D5");
}

TEST(ChineseScriptTest, Big5BytesReadFromGbk) {
  // D6 D0 CE C4 41 read as BIG5 is 笢恅A.
  EXPECT_EQ(Hex(Big5ToTraditional("\xD6\xD0\xCE\xC4"
                                  "A")
                    .View()),
            "B8 9C 90 60 41");
  EXPECT_EQ(Hex(Big5ToTraditional("\xB4\xFA\xB8\xD5").View()), "9C 79 D4 87");  // 測試
  EXPECT_EQ(Hex(Big5ToSimplified("\xB4\xFA\xB8\xD5").View()), "B2 E2 CA D4");   // 测试
}

}  // namespace
}  // namespace quillet
