#include "transforms/unicode_conversions.h"

#include "text/byte_operations.h"
#include "transforms/conversion_calls.h"

namespace quillet {

using namespace conversion;  // NOLINT(google-build-using-namespace): the service calls

ByteString AnsiToUnicode(const Text& text) {
  if (text.IsEmpty()) return ByteString();
  const int n = WideSize(kCpGbk, text.CStr(), kToTerminator);
  ByteString wide = BytesBlank(2 * n);
  ToWide(kCpGbk, text.CStr(), kToTerminator, wide);
  return wide;
}

ByteString UnicodeToUtf8(const ByteString& wide) {
  const int u = UnitCount(wide);
  const int m = NarrowSize(kCpUtf8, 0, wide, u);
  ByteString out = BytesBlank(m);
  ToNarrow(kCpUtf8, 0, wide, u, out);
  return out;
}

ByteString AnsiToUtf8(const Text& text) { return UnicodeToUtf8(AnsiToUnicode(text)); }

ByteString Utf8ToUnicode(const ByteString& bytes) {
  const auto* input = reinterpret_cast<const char*>(bytes.Data());
  const int n = BytesLen(bytes);
  const int k = WideSize(kCpUtf8, input, n);
  ByteString wide = BytesBlank(2 * k);
  ToWide(kCpUtf8, input, n, wide);
  return wide;
}

Text UnicodeToAnsi(const ByteString& wide) {
  const int u = UnitCount(wide);
  const int m = NarrowSize(kCpGbk, kWcCompositeCheck, wide, u);
  ByteString out = BytesBlank(m);
  ToNarrow(kCpGbk, kWcCompositeCheck, wide, u, out);
  return std::get<Text>(BytesReadValue(out, ValueKind::kText));
}

Text Utf8ToAnsi(const ByteString& bytes) { return UnicodeToAnsi(Utf8ToUnicode(bytes)); }

ByteString CodePageToUtf16(const Text& text, std::int32_t code_page) {
  // Sized by the ANSI code page whatever code_page is: a decoding that needs more units is cut.
  const int n = WideSize(kCpAcp, text.CStr(), kToTerminator);
  ByteString wide = BytesBlank(2 * n);
  ToWide(static_cast<std::uint32_t>(code_page), text.CStr(), kToTerminator, wide);
  return wide;
}

Text Utf16ToCodePage(const ByteString& wide, std::int32_t code_page) {
  const auto target = static_cast<std::uint32_t>(code_page);
  // The units up to and including the first zero unit; all of them when a cut left none.
  int units = 0;
  while (units < UnitCount(wide) && (wide[2 * units] | wide[2 * units + 1]) != 0) ++units;
  if (units < UnitCount(wide)) ++units;
  // Sized by the target code page: sized by the ANSI one, a text with characters of one byte in
  // GBK and three in UTF-8 (three euro signs) would be cut and padded with spaces.
  const int m = NarrowSize(target, 0, wide, units);
  ByteString out = SpaceBuffer(2 * m);
  ToNarrow(target, 0, wide, units, out);
  // Up to the converted terminator, or, after a cut, the m bytes converted, without the spaces.
  return TextFromBytes(BytesPrefix(out, m));
}

Text Gb2312ToUtf8(const Text& text) {
  return Utf16ToCodePage(CodePageToUtf16(text, kCpGbk), kCpUtf8);
}

Text Utf8ToGb2312(const Text& text) { return Utf16ToCodePage(CodePageToUtf16(text), kCpGbk); }

}  // namespace quillet
