#include "transforms/base64_decode.h"

#include <array>

#include "text/byte_operations.h"
#include "text/number_operations.h"
#include "text/pump_events.h"
#include "text/text_operations.h"
#include "transforms/base64_encode.h"

namespace quillet {
namespace {

constexpr std::int32_t kNotInAlphabet = -1;

// What searching the alphabet for a byte gives, less one: the value 0 to 63, or -1 when the
// byte is not there. The zero byte, read past the end of the text, is TextFromCode(0), the empty
// text, which the search finds at position 1: it reads as "A".
constexpr std::array<std::int32_t, 256> kAlphabetValues = [] {
  std::array<std::int32_t, 256> values{};
  values.fill(kNotInAlphabet);
  for (std::int32_t v = 0; v < 64; ++v) values[static_cast<unsigned char>(kBase64Alphabet[v])] = v;
  values[0] = 0;
  return values;
}();

}  // namespace

ByteString Base64Decode(Text& text) {
  text = TextStripSpaces(text);
  text = TextSubstitute(text, "\r\n");
  const std::int32_t length = TextLen(text);
  const auto groups = static_cast<std::int32_t>(IntDivide(length, 4) + (IntModulo(length, 4) != 0));

  // The slots keep what earlier groups left in them: a group that stops early overwrites only
  // the slots it reaches.
  std::array<std::int32_t, 4> slot{};
  std::int32_t stop = 0;
  ByteString result;
  result.Reserve(3 * static_cast<std::size_t>(groups));
  for (std::int32_t g = 1; g <= groups; ++g) {
    stop = 5;
    for (std::int32_t k = 1; k <= 4; ++k) {
      const std::int32_t code = BitAnd(TextCodeAt(text, (g - 1) * 4 + k), 0xFF);
      const std::int32_t value = kAlphabetValues[static_cast<std::size_t>(code)];
      if (value == kNotInAlphabet) {
        slot[k - 1] = code;  // the raw byte stays in its slot
        stop = k;
        break;
      }
      slot[k - 1] = value;
    }
    result.AppendByte(static_cast<unsigned char>(BitOr(slot[0] * 4, slot[1] / 16)));
    result.AppendByte(static_cast<unsigned char>(BitOr(slot[1] * 16, slot[2] / 4)));
    result.AppendByte(static_cast<unsigned char>(BitOr(slot[2] * 64, slot[3])));
    PumpEvents();
  }
  // Only the last group's stop counts.
  if (stop < 5) result = BytesPrefix(result, BytesLen(result) - (5 - stop));
  return result;
}

}  // namespace quillet
