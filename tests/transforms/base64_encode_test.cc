#include "transforms/base64_encode.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "text/byte_operations.h"

namespace quillet {
namespace {

TEST(Base64EncodeTest, FillsWithEqualSigns) {
  struct Case {
    ByteString data;
    const char* text;
  };
  for (const Case& c : {Case{ByteString(), ""}, Case{Bytes("a"), "YQ=="}, Case{Bytes("ab"), "YWI="},
                        Case{Bytes("abc"), "YWJj"}, Case{Bytes("abcd"), "YWJjZA=="},
                        Case{Bytes("\xD6\xD0\xCE\xC4"), "1tDOxA=="}, Case{Bytes("\0\0\0"), "AAAA"},
                        Case{Bytes("a\0"), "YQA="}, Case{Bytes("\xFF\xFF\xFF"), "////"},
                        Case{Bytes("\xFB\xEF"), "++8="}}) {
    EXPECT_EQ(Base64Encode(c.data), Text(c.text)) << Hex(c.data.View());
  }
}

TEST(Base64EncodeTest, WritesOneLineAtAnyLength) {
  const Text hundred = Base64Encode(BytesBlank(100));
  EXPECT_EQ(hundred.Length(), 136);
  EXPECT_EQ(hundred.View().find_first_of("\r\n"), std::string_view::npos);
  EXPECT_EQ(Base64Encode(BytesBlank(3000)).Length(), 4000);
}

}  // namespace
}  // namespace quillet
