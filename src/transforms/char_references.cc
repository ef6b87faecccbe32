#include "transforms/char_references.h"

#include "text/byte_operations.h"
#include "text/text_operations.h"
#include "transforms/conversion_calls.h"
#include "transforms/unicode_conversions.h"

namespace quillet {

using namespace conversion;  // NOLINT(google-build-using-namespace): the service calls

Text AnsiToUnicodeText(const Text& text) {
  if (TextTrim(text).IsEmpty()) return Text();
  // The whole argument is converted, spaces at its ends included.
  ByteString wide = AnsiToUnicode(text);
  wide = BytesPrefix(wide, BytesLen(wide) - 2);  // without the terminating zero unit
  Text out;
  out.Reserve(4 * static_cast<std::size_t>(BytesLen(wide)));
  for (std::int32_t i = 1; i <= BytesLen(wide); i += 2) {
    const auto unit = std::get<std::int16_t>(BytesReadValue(wide, ValueKind::kInt16, i));
    out.Append("&#").Append(TextFromNumber(unit));
  }
  return out;
}

Text UnicodeTextToAnsi(const Text& text) {
  const TextList pieces = TextSplitBy(text, "&#");
  ByteString wide;
  wide.Reserve(2 * static_cast<std::size_t>(pieces.Count()));
  for (std::int32_t i = 2; i <= pieces.Count(); ++i) {  // what stands before the first "&#" goes
    wide.Append(BytesFromText(TextParseShort(pieces.Element(i))));
  }
  const int u = UnitCount(wide);
  const int m = NarrowSize(kCpGbk, kWcCompositeCheck, wide, u);
  ByteString out = BytesBlank(m);
  ToNarrow(kCpGbk, kWcCompositeCheck, wide, u, out);
  return std::get<Text>(BytesReadValue(out, ValueKind::kText));  // a zero unit ends it
}

// The same steps as AnsiToUnicode, whose empty-text check changes nothing here: the size query
// of an empty text is 0.
ByteString AsciiToUnicode(const Text& text) { return AnsiToUnicode(text); }

}  // namespace quillet
