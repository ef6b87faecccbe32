#include "transforms/rc4_decrypt.h"

#include "text/text_operations.h"
#include "transforms/hex_digits.h"
#include "transforms/rc4_encrypt.h"

namespace quillet {

std::int32_t HexToInt(const Text& digits) {
  // Upper-cased as a whole: the second byte of a two-byte character keeps its case, and a
  // lower-case letter there is then no digit.
  const Text up = TextUppercase(digits);
  std::uint32_t value = 0;  // unsigned: a long run wraps instead of overflowing
  for (std::int32_t i = 0; i < TextLen(up); ++i) {
    value = value * 16 + static_cast<std::uint32_t>(HexDigitValue(up[static_cast<std::size_t>(i)]));
  }
  return static_cast<std::int32_t>(value);
}

Text Rc4Decrypt(Text& text, const Text& key) {
  text = TextSubstitute(text, ",");
  const std::int32_t n = TextLen(text);
  ByteString cipher;
  cipher.Reserve(static_cast<std::size_t>(n / 2 + 1));
  for (std::int32_t p = 1; p <= n; p += 2) {
    cipher.AppendByte(TextParseByte(HexToInt(TextSlice(text, p, 2))));
  }
  ByteArray state = Rc4KeySchedule(key);
  return TextFromBytes(Rc4XorStream(state, cipher));
}

}  // namespace quillet
