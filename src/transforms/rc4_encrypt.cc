#include "transforms/rc4_encrypt.h"

#include "text/number_operations.h"
#include "text/text_operations.h"
#include "transforms/hex_digits.h"

namespace quillet {
namespace {

constexpr std::int32_t kStateSize = 256;

// The state holds S[0] to S[255] at positions 1 to 256.
std::int32_t S(const ByteArray& state, std::int32_t n) { return state.Element(n + 1); }

void Swap(ByteArray& state, std::int32_t a, std::int32_t b) {
  const std::int32_t held = S(state, a);
  state.SetElement(a + 1, S(state, b));
  state.SetElement(b + 1, held);
}

}  // namespace

ByteArray Rc4KeySchedule(const Text& key) {
  ByteArray state(kStateSize);
  for (std::int32_t n = 0; n < kStateSize; ++n) state.SetElement(n + 1, n);

  // The key block repeats the key byte by byte; an empty key reads as zeros.
  ByteArray block(kStateSize);
  std::int32_t p = 1;
  for (std::int32_t n = 0; n < kStateSize; ++n) {
    if (p > TextLen(key)) p = 1;
    block.SetElement(n + 1, TextCodeAt(TextSlice(key, p, 1)));
    ++p;
  }

  std::int32_t j = 0;
  for (std::int32_t n = 0; n < kStateSize; ++n) {
    j = (j + S(state, n) + block.Element(n + 1)) % kStateSize;
    Swap(state, n, j);
  }
  return state;
}

ByteString Rc4XorStream(ByteArray& state, const ByteString& data) {
  ByteString out;
  out.Reserve(static_cast<std::size_t>(data.Length()));
  std::int32_t i = 0;
  std::int32_t j = 0;
  for (std::int32_t n = 0; n < data.Length(); ++n) {
    i = (i + 1) % kStateSize;
    j = (j + S(state, i)) % kStateSize;
    Swap(state, i, j);
    const std::int32_t keystream = S(state, (S(state, i) + S(state, j)) % kStateSize);
    out.AppendByte(
        static_cast<unsigned char>(BitXor(data[static_cast<std::size_t>(n)], keystream)));
  }
  return out;
}

Text ByteToHex(std::int32_t value) {
  Text hex;
  return AppendHexPair(hex, value);
}

Text Rc4Encrypt(const Text& text, const Text& key) {
  ByteArray state = Rc4KeySchedule(key);
  const ByteString cipher = Rc4XorStream(state, BytesFromText(text));
  Text out;
  out.Reserve(3 * static_cast<std::size_t>(cipher.Length()));
  for (std::int32_t n = 0; n < cipher.Length(); ++n) {
    AppendHexPair(out, cipher[static_cast<std::size_t>(n)]).AppendByte(',');  // ByteToHex + ","
  }
  return out;
}

}  // namespace quillet
