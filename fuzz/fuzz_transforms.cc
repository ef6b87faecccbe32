// Arbitrary texts through each transform one by one, with the round trips that hold for any
// text. The first byte splits the input into a key and a text for RC4.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "transforms/base64_decode.h"
#include "transforms/base64_encode.h"
#include "transforms/char_references.h"
#include "transforms/chinese_script.h"
#include "transforms/rc4_decrypt.h"
#include "transforms/rc4_encrypt.h"
#include "transforms/script_escapes.h"
#include "transforms/unicode_conversions.h"
#include "transforms/url_gbk.h"
#include "transforms/url_utf8.h"

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

  // The conversions, on the text and on raw bytes read as UTF-8 or UTF-16.
  const q::ByteString raw(bytes);
  q::AnsiToUnicode(whole);
  q::UnicodeToUtf8(raw);
  q::AnsiToUtf8(whole);
  q::Utf8ToUnicode(raw);
  q::UnicodeToAnsi(raw);
  q::Utf8ToAnsi(raw);
  q::CodePageToUtf16(whole, 950);
  q::Utf16ToCodePage(raw, 950);
  if (q::Utf8ToGb2312(q::Gb2312ToUtf8(whole)).Length() > whole.Length()) __builtin_trap();
  q::Utf8ToGb2312(whole);
  q::SimplifiedToTraditional(whole);
  q::TraditionalToSimplified(whole);
  q::Big5ToSimplified(whole);
  q::SimplifiedToBig5(whole);
  q::UrlDecodeUtf8(q::UrlEncodeUtf8(whole));
  q::UrlDecodeUtf8(whole);
  q::UnicodeTextToAnsi(q::AnsiToUnicodeText(whole));
  q::UnicodeTextToAnsi(whole);
  q::AsciiToUnicode(whole);

  // The engine only ever escapes the literal: its result is empty or of escape's alphabet.
  const q::Text escaped = q::AnsiToUcs2(whole);
  if (escaped.View().find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                       "0123456789@*_+-./%") != std::string_view::npos) {
    __builtin_trap();
  }
  q::Ucs2ToAnsi(whole);
  return 0;
}
