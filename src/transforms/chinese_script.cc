#include "transforms/chinese_script.h"

#include "text/byte_operations.h"
#include "text/text_operations.h"
#include "transforms/conversion_calls.h"

namespace quillet {
namespace {

using namespace conversion;  // NOLINT(google-build-using-namespace): the service calls

// The mapped text in a buffer as long as the argument; bytes it leaves unwritten stay spaces.
Text MapScript(const Text& text, std::uint32_t flag) {
  const std::int32_t n = TextLen(text);
  ByteString buffer = SpaceBuffer(n);
  codepage::LCMapStringA(codepage::kLocaleChineseSimplified, flag, text.CStr(), n,
                         reinterpret_cast<char*>(buffer.MutableData()), n);
  return TextFromBytes(buffer);
}

// The zero byte as default character: a character the target lacks ends the result.
Text Transcode(const Text& text, std::uint32_t source, std::uint32_t target) {
  static constexpr char kZeroByte = '\0';
  const int n = WideSize(source, text.CStr(), kToTerminator);
  ByteString wide = BytesBlank(2 * n);
  ToWide(source, text.CStr(), kToTerminator, wide);
  const int u = UnitCount(wide);
  const int m = NarrowSize(target, 0, wide, u, &kZeroByte);
  ByteString out = SpaceBuffer(m);
  ToNarrow(target, 0, wide, u, out, &kZeroByte);
  return TextFromBytes(out);
}

}  // namespace

Text SimplifiedToTraditional(const Text& text) {
  return MapScript(text, codepage::kLcmapTraditionalChinese);
}

Text TraditionalToSimplified(const Text& text) {
  return MapScript(text, codepage::kLcmapSimplifiedChinese);
}

Text Big5ToTraditional(const Text& text) { return Transcode(text, kCpBig5, kCpGbk); }

Text TraditionalToBig5(const Text& text) { return Transcode(text, kCpGbk, kCpBig5); }

Text Big5ToSimplified(const Text& text) { return TraditionalToSimplified(Big5ToTraditional(text)); }

Text SimplifiedToBig5(const Text& text) { return TraditionalToBig5(SimplifiedToTraditional(text)); }

}  // namespace quillet
