#pragma once

// RC4 encryption of a text into a list of hexadecimal bytes, and the cipher core it shares
// with the decryption.

#include <cstdint>

#include "text/values.h"

namespace quillet {

// A fresh 256-byte cipher state scheduled under key (element n + 1 holds S[n]); an empty key
// fills the key block with zeros.
ByteArray Rc4KeySchedule(const Text& key);
// data XORed with the keystream; advances state, counters starting at 0.
ByteString Rc4XorStream(ByteArray& state, const ByteString& data);
// Two upper-case hexadecimal digits.
Text ByteToHex(std::int32_t value);
// "BF,7A," for "ab" under the empty key: two digits and a comma per byte.
Text Rc4Encrypt(const Text& text, const Text& key);

}  // namespace quillet
