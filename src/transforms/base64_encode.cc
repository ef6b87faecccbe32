#include "transforms/base64_encode.h"

#include <string>

#include "text/byte_operations.h"
#include "text/number_operations.h"

namespace quillet {

Text Base64Encode(const ByteString& data) {
  const std::int32_t n = BytesLen(data);
  if (n < 1) return Text();
  const auto r = static_cast<std::int32_t>(IntModulo(n, 3));
  const ByteString working = r > 0 ? BytesJoin(data, BytesBlank(3 - r)) : data;
  const std::int32_t m = BytesLen(working);

  std::string out;
  out.reserve(static_cast<std::size_t>(m) / 3 * 4);
  for (std::int32_t g = 0; g < m; g += 3) {
    const std::int32_t b0 = working[static_cast<std::size_t>(g)];
    const std::int32_t b1 = working[static_cast<std::size_t>(g) + 1];
    const std::int32_t b2 = working[static_cast<std::size_t>(g) + 2];
    out += kBase64Alphabet[BitShiftRight(b0, 2)];
    out += kBase64Alphabet[BitShiftLeft(BitAnd(b0, 3), 4) + BitShiftRight(b1, 4)];
    out += kBase64Alphabet[BitShiftLeft(BitAnd(b1, 15), 2) + BitShiftRight(b2, 6)];
    out += kBase64Alphabet[BitAnd(b2, 63)];
  }
  // The fill hides the zero bytes added above.
  if (r >= 1) out.back() = '=';
  if (r == 1) out[out.size() - 2] = '=';
  return Text(std::move(out));
}

}  // namespace quillet
