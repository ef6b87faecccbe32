#include "transforms/url_gbk.h"

#include "text/pump_events.h"
#include "text/text_operations.h"
#include "transforms/hex_digits.h"

namespace quillet {
namespace {

// The digit at 0-based index k: past the end the slice is empty, which the search of the digit
// alphabet finds at position 1, so it counts 0.
std::int32_t DigitAt(const Text& text, std::int32_t k) {
  if (k >= TextLen(text)) return 0;
  return HexDigitValue(AsciiUppercase(text[static_cast<std::size_t>(k)]));
}

}  // namespace

Text PercentEncode(const ByteString& bytes) {
  Text out;
  out.Reserve(3 * static_cast<std::size_t>(bytes.Length()));
  for (std::int32_t i = 0; i < bytes.Length(); ++i) {
    AppendHexPair(out.AppendByte('%'), bytes[static_cast<std::size_t>(i)]);
    PumpEvents();
  }
  return out;
}

Text PercentDecode(const Text& text) {
  const std::int32_t n = TextLen(text);
  Text out;
  out.Reserve(static_cast<std::size_t>(n));
  for (std::int32_t i = 0; i < n; ++i) {
    const unsigned char c = text[static_cast<std::size_t>(i)];
    if (c != '%') {
      out.AppendByte(c);
      continue;
    }
    const std::int32_t high = DigitAt(text, ++i);
    const std::int32_t low = DigitAt(text, ++i);
    out.AppendByte(static_cast<unsigned char>((16 * high + low) & 0xFF));  // 0 appends nothing
  }
  return out;
}

Text UrlEncodeGbk(const Text& text) { return PercentEncode(BytesFromText(text)); }

Text UrlDecodeGbk(const Text& text) { return PercentDecode(text); }

}  // namespace quillet
