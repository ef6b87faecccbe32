#include "platform/script_control.h"

#include <gtest/gtest.h>

namespace quillet::script_control {
namespace {

// The COM cycle of the transforms: create, language, statement, run, release.
bool RunCycle(std::u16string_view statement, std::u16string& result,
              std::size_t memory_limit = kDefaultMemoryLimit) {
  ScriptControl control = ScriptControl::Create(u"ScriptControl", memory_limit);
  control.PutLanguage(u"JScript");
  control.ExecuteStatement(statement);
  const bool ran = control.Run(u"xx", result);
  control.Release();
  return ran;
}

TEST(ScriptControlTest, RunsAStatementsFunctionAndReturnsItsString) {
  std::u16string result;
  ASSERT_TRUE(RunCycle(u"function xx(){return escape('\u4E2D a');}", result));
  EXPECT_EQ(result, u"%u4E2D%20a");
  ASSERT_TRUE(RunCycle(u"function xx(){return 42;}", result));
  EXPECT_EQ(result, u"42");
}

TEST(ScriptControlTest, CarriesEveryUtf16UnitBothWays) {
  std::u16string result;
  // A lone surrogate and a pair go in and come back as the same units.
  ASSERT_TRUE(RunCycle(u"function xx(){return '\xD800' + '\U0001F600' + 'a\\0b';}", result));
  EXPECT_EQ(result, std::u16string(u"\xD800\U0001F600"
                                   u"a\0b",
                                   6));
  ASSERT_TRUE(
      RunCycle(u"function xx(){return String.fromCharCode(0xD83D, 0xDE00).length;}", result));
  EXPECT_EQ(result, u"2");
  ASSERT_TRUE(RunCycle(u"function xx(){return escape('\U0001F600');}", result));
  EXPECT_EQ(result, u"%uD83D%uDE00");
}

TEST(ScriptControlTest, AFailedCallLeavesTheResultAndTheCycleGoesOn) {
  std::u16string result = u"untouched";
  EXPECT_FALSE(RunCycle(u"function xx(){var x='a\\';return 1;}", result));  // does not compile
  EXPECT_FALSE(RunCycle(u"function xx(){throw new Error('no');}", result));
  EXPECT_FALSE(RunCycle(u"var yy = 1;", result));  // no xx to run
  EXPECT_FALSE(RunCycle(u"function xx(){return {toString: function(){throw 1;}};}", result));
  EXPECT_EQ(result, u"untouched");
}

TEST(ScriptControlTest, AnEmptyHandleFailsEveryCall) {
  ScriptControl handles[] = {ScriptControl(), ScriptControl::Create(u"NoSuch.Control"),
                             ScriptControl::Create(u"ScriptControl", 0)};  // no memory at all
  for (ScriptControl& control : handles) {
    EXPECT_TRUE(control.IsEmpty());
    std::u16string result = u"x";
    EXPECT_FALSE(control.PutLanguage(u"JScript"));
    EXPECT_FALSE(control.ExecuteStatement(u"function xx(){return 'y';}"));
    EXPECT_FALSE(control.Run(u"xx", result));
    EXPECT_EQ(result, u"x");
    control.Release();
  }
}

TEST(ScriptControlTest, StatementsNeedTheLanguageFirst) {
  ScriptControl control = ScriptControl::Create(u"ScriptControl");
  ASSERT_FALSE(control.IsEmpty());
  EXPECT_FALSE(control.ExecuteStatement(u"function xx(){return 'y';}"));
  EXPECT_FALSE(control.PutLanguage(u"VBScript"));
  EXPECT_TRUE(control.PutLanguage(u"JScript"));
  EXPECT_TRUE(control.ExecuteStatement(u"function xx(){return 'y';}"));
  std::u16string result;
  EXPECT_TRUE(control.Run(u"xx", result));
  EXPECT_EQ(result, u"y");
  control.Release();
  EXPECT_TRUE(control.IsEmpty());
  EXPECT_FALSE(control.Run(u"xx", result));
}

TEST(ScriptControlTest, RunningOutOfMemoryFailsTheCallQuietly) {
  testing::internal::CaptureStderr();
  testing::internal::CaptureStdout();
  std::u16string result = u"untouched";
  EXPECT_FALSE(RunCycle(u"function xx(){var s='ab'; while(true) s += s; return s;}", result,
                        std::size_t{8} << 20));
  EXPECT_EQ(result, u"untouched");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  // The next cycle has a heap of its own.
  ASSERT_TRUE(RunCycle(u"function xx(){return 'fine';}", result, std::size_t{8} << 20));
  EXPECT_EQ(result, u"fine");
}

}  // namespace
}  // namespace quillet::script_control
