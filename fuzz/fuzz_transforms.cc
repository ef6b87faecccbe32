// Arbitrary texts through each transform one by one, with the round trips that must hold. The
// first byte splits the input into a key and a text for RC4.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "transforms/base64_decode.h"
#include "transforms/base64_encode.h"
#include "transforms/rc4_decrypt.h"
#include "transforms/rc4_encrypt.h"
#include "transforms/url_gbk.h"

namespace q = quillet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t key_length = data[0] < bytes.size() ? data[0] : bytes.size();
  const q::Text key(bytes.substr(0, key_length));
  const q::Text text(bytes.substr(key_length));
  const q::Text whole(bytes);

  q::Text cipher = q::Rc4Encrypt(text, key);
  if (q::Rc4Decrypt(cipher, key) != text) __builtin_trap();
  q::Text hex_list = whole;
  q::Rc4Decrypt(hex_list, key);

  if (q::UrlDecodeGbk(q::UrlEncodeGbk(whole)) != whole) __builtin_trap();
  q::UrlDecodeGbk(whole);

  q::Text encoded = q::Base64Encode(q::BytesFromText(whole));
  if (q::Base64Decode(encoded) != q::BytesFromText(whole)) __builtin_trap();
  q::Text base64 = whole;
  q::Base64Decode(base64);
  q::Base64Encode(q::ByteString(bytes));  // zero bytes included
  return 0;
}
