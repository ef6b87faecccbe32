#include "text/byte_operations.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "text/fatal.h"

namespace quillet {

std::int32_t BytesLen(const ByteString& bytes) { return bytes.Length(); }

ByteString BytesPrefix(const ByteString& bytes, std::int32_t n) {
  const std::int32_t k = std::clamp(n, 0, bytes.Length());
  return ByteString(bytes.View().substr(0, static_cast<std::size_t>(k)));
}

ByteString BytesBlank(std::int32_t n) {
  if (n <= 0) return ByteString();
  return ByteString(std::string(static_cast<std::size_t>(n), '\0'));
}

ByteString BytesSubstitute(const ByteString& bytes, const ByteString& find,
                           const ByteString& replacement, std::optional<std::int32_t> count) {
  const std::string_view data = bytes.View();
  const std::string_view pattern = find.View();
  if (data.empty() || pattern.empty() || count == 0) return bytes;
  std::string out;
  out.reserve(data.size());
  std::size_t i = 0;
  while (data.size() - i >= pattern.size()) {
    // Candidates start with find's first byte; jump straight to the next one.
    const std::size_t candidate = data.find(pattern.front(), i);
    if (candidate == std::string_view::npos || data.size() - candidate < pattern.size()) break;
    out.append(data.substr(i, candidate - i));
    i = candidate;
    if (std::memcmp(data.data() + i, pattern.data(), pattern.size()) == 0) {
      out += replacement.View();
      i += pattern.size();
      if (count && --*count == 0) break;
    } else {
      out += data[i++];
    }
  }
  out.append(data.substr(i));
  return ByteString(std::move(out));
}

Value BytesReadValue(const ByteString& bytes, ValueKind kind, std::int32_t pos) {
  const std::int64_t p = static_cast<std::int64_t>(pos) - 1;
  std::string_view available;
  if (p >= 0 && p < bytes.Length()) available = bytes.View().substr(static_cast<std::size_t>(p));
  switch (kind) {
    case ValueKind::kInt16: {
      const auto low = available.size() > 0 ? static_cast<unsigned char>(available[0]) : 0u;
      const auto high = available.size() > 1 ? static_cast<unsigned char>(available[1]) : 0u;
      return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
    }
    case ValueKind::kText:
      return Text(available);
  }
  FatalError("BytesReadValue of an unknown kind");
}

}  // namespace quillet
