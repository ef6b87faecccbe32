#pragma once

// Operations on Text. Positions are 1-based bytes; out-of-range positions and counts give an
// empty value or 0, never an error. The character-respecting ones step over a GBK lead byte
// (81 to FE) together with the byte after it, whatever that byte is.

#include <cstdint>
#include <optional>

#include "text/values.h"

namespace quillet {

// A byte 81 to FE starts a two-byte character; 80 (the euro sign) and FF are one byte each.
constexpr bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

std::int32_t TextLen(const Text& text);
Text TextPrefix(const Text& text, std::int32_t n);
Text TextSlice(const Text& text, std::int32_t pos, std::int32_t n);
// The byte at pos as a signed value (-128 to 127); 0 outside the text.
std::int32_t TextCodeAt(const Text& text, std::int32_t pos = 1);
Text TextFromCode(std::int32_t code);
Text TextHexOf(std::int32_t value);
Text TextFromNumber(std::int16_t value);
std::uint8_t TextParseByte(std::int32_t value);
std::int16_t TextParseShort(const Text& text);
Text TextBlank(std::int32_t n);

// Character-respecting.
Text TextUppercase(const Text& text);
std::int32_t TextSearch(const Text& text, const Text& sub);
Text TextSubstitute(const Text& text, const Text& find, const Text& replacement = Text(),
                    std::optional<std::int32_t> count = std::nullopt);
TextList TextSplitBy(const Text& text, const Text& delimiter);
Text TextTrim(const Text& text);
Text TextStripSpaces(const Text& text);

}  // namespace quillet
