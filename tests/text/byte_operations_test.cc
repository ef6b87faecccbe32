#include "text/byte_operations.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace quillet {
namespace {

TEST(ByteOperationsTest, PrefixAndBlank) {
  EXPECT_EQ(BytesPrefix(ByteString{1, 2, 3}, 5), (ByteString{1, 2, 3}));
  EXPECT_EQ(BytesPrefix(ByteString{1, 2, 3}, 2), (ByteString{1, 2}));
  EXPECT_TRUE(BytesPrefix(ByteString{1, 2, 3}, -1).IsEmpty());
  EXPECT_EQ(BytesBlank(3), Bytes("\0\0\0"));
  EXPECT_TRUE(BytesBlank(-4).IsEmpty());
  EXPECT_EQ(BytesLen(Bytes("a\0b")), 3);
}

TEST(ByteOperationsTest, SubstituteWorksOnBytes) {
  EXPECT_EQ(BytesSubstitute(Bytes("\rA\r"), Bytes("\r"), ByteString(), 1), Bytes("A\r"));
  EXPECT_EQ(BytesSubstitute(Bytes("\rA\r"), Bytes("\r")), Bytes("A"));
  EXPECT_EQ(BytesSubstitute(Bytes("\xD6\x2C,"), Bytes(","), Bytes(";")), Bytes("\xD6;;"));
  EXPECT_EQ(BytesSubstitute(Bytes("aaa"), Bytes("aa"), Bytes("b")), Bytes("ba"));
  EXPECT_EQ(BytesSubstitute(Bytes("a\0b\0"), Bytes("\0"), Bytes("--")), Bytes("a--b--"));
  EXPECT_EQ(BytesSubstitute(Bytes("abab"), Bytes("bx")), Bytes("abab"));
  EXPECT_EQ(BytesSubstitute(Bytes("ab"), ByteString(), Bytes("x")), Bytes("ab"));
}

TEST(ByteOperationsTest, ReadValue) {
  const auto read_int16 = [](const ByteString& bytes, std::int32_t pos) {
    return std::get<std::int16_t>(BytesReadValue(bytes, ValueKind::kInt16, pos));
  };
  EXPECT_EQ(read_int16(ByteString{0x2D, 0x4E, 0x87, 0x65}, 3), 25991);
  EXPECT_EQ(read_int16(ByteString{0x41}, 1), 65);
  EXPECT_EQ(read_int16(ByteString{0xD5, 0x8B}, 1), -29739);
  EXPECT_EQ(read_int16(ByteString{0x41}, 2), 0);
  EXPECT_EQ(read_int16(ByteString{0x41}, 0), 0);
  EXPECT_EQ(std::get<Text>(BytesReadValue(Bytes("AB\0C"), ValueKind::kText)), Text("AB"));
  EXPECT_EQ(std::get<Text>(BytesReadValue(Bytes("AB\0C"), ValueKind::kText, 4)), Text("C"));
  EXPECT_TRUE(std::get<Text>(BytesReadValue(Bytes("AB"), ValueKind::kText, 9)).IsEmpty());
}

TEST(ByteOperationsDeathTest, AnUnknownKindStopsTheProgram) {
  EXPECT_DEATH(BytesReadValue(ByteString{1}, static_cast<ValueKind>(7)), "unknown kind");
}

}  // namespace
}  // namespace quillet
