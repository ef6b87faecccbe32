#pragma once

// Operations on ByteString; every byte is a unit by itself.

#include <cstdint>
#include <optional>
#include <variant>

#include "text/values.h"

namespace quillet {

std::int32_t BytesLen(const ByteString& bytes);
ByteString BytesPrefix(const ByteString& bytes, std::int32_t n);
ByteString BytesBlank(std::int32_t n);  // n zero bytes
ByteString BytesSubstitute(const ByteString& bytes, const ByteString& find,
                           const ByteString& replacement = ByteString(),
                           std::optional<std::int32_t> count = std::nullopt);

// The kinds of value BytesReadValue reads.
enum class ValueKind : int { kInt16 = 1, kText = 2 };
using Value = std::variant<std::int16_t, Text>;

// One value of the given kind from byte pos on; bytes past the end count as 0 (kInt16) or end
// the text (kText). Any other kind stops the program.
Value BytesReadValue(const ByteString& bytes, ValueKind kind, std::int32_t pos = 1);

}  // namespace quillet
