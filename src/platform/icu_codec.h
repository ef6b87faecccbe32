#pragma once

// The ICU side of the code-page services: whole-input conversions that codepage.cc fits into
// the callers' buffers. Private to src/platform/.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillet::codepage::internal {

bool IsSupportedCodePage(std::uint32_t code_page);

// Every sequence ICU reports as illegal or unassigned becomes one U+FFFD.
std::u16string Decode(std::uint32_t code_page, std::string_view bytes);

// A character the code page lacks becomes default_char (UTF-8: an unpaired surrogate becomes
// EF BF BD). When offsets is given it receives, for each output byte, the index of the unit
// that produced it, so that callers can find character boundaries.
std::string Encode(std::uint32_t code_page, std::u16string_view units, char default_char,
                   std::vector<std::int32_t>* offsets = nullptr);

// Joins each base character and the combining marks after it into the precomposed character
// where canonical composition gives one that code_page can encode.
void ComposePairs(std::uint32_t code_page, std::u16string& units);

// Simplified to traditional Chinese or back. False when ICU lacks the transliterator.
bool MapChineseScript(std::u16string& units, bool to_traditional);

}  // namespace quillet::codepage::internal
