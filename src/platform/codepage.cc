#include "platform/codepage.h"

#include <unicode/utf16.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/icu_codec.h"

namespace quillet::codepage {
namespace {

using internal::Decode;
using internal::Encode;

// The input bytes a call converts: up to and including the terminator for -1.
std::string_view InputBytes(const char* input, int input_length) {
  if (input == nullptr || input_length < -1) return {};
  if (input_length == -1) {
    if (*input == '\0') return {};  // empty: nothing is converted, not even the terminator
    return std::string_view(input, std::strlen(input) + 1);
  }
  return std::string_view(input, static_cast<std::size_t>(input_length));
}

std::u16string InputUnits(const unsigned char* wide, int unit_count) {
  std::u16string units;
  if (wide == nullptr || unit_count < -1) return units;
  const auto unit_at = [wide](std::size_t i) {
    return static_cast<char16_t>(wide[2 * i] | (wide[2 * i + 1] << 8));
  };
  if (unit_count == -1) {
    if (unit_at(0) == 0) return units;
    for (std::size_t i = 0;; ++i) {
      units += unit_at(i);
      if (units.back() == 0) break;
    }
  } else {
    units.resize(static_cast<std::size_t>(unit_count));
    for (std::size_t i = 0; i < units.size(); ++i) units[i] = unit_at(i);
  }
  return units;
}

// The longest prefix of whole characters within capacity bytes; offsets maps each output
// byte to the unit that produced it (-1: the same character as the byte before).
std::size_t WholeCharacterBytes(const std::vector<std::int32_t>& offsets, std::size_t capacity) {
  std::size_t fit = capacity;
  while (fit > 0 && (offsets[fit] < 0 || offsets[fit] == offsets[fit - 1])) --fit;
  return fit;
}

// Writes bytes into output within capacity, whole characters only. Returns the byte count
// written, or 0 when not all of them fitted, as the services report a short buffer.
int WriteBytes(std::uint32_t code_page, std::u16string_view units, char default_char,
               std::string bytes, char* output, int capacity) {
  const auto room = static_cast<std::size_t>(capacity);
  if (bytes.size() <= room) {
    std::memcpy(output, bytes.data(), bytes.size());
    return static_cast<int>(bytes.size());
  }
  std::vector<std::int32_t> offsets;
  bytes = Encode(code_page, units, default_char, &offsets);
  std::memcpy(output, bytes.data(), WholeCharacterBytes(offsets, room));
  return 0;
}

}  // namespace

int MultiByteToWideChar(std::uint32_t code_page, std::uint32_t /*flags*/, const char* input,
                        int input_length, unsigned char* wide, int wide_capacity) {
  const std::string_view bytes = InputBytes(input, input_length);
  if (!internal::IsSupportedCodePage(code_page) || bytes.empty() || wide_capacity < 0) return 0;
  const std::u16string units = Decode(code_page, bytes);
  if (wide_capacity == 0) return static_cast<int>(units.size());
  if (wide == nullptr) return 0;
  std::size_t fit = units.size();
  if (fit > static_cast<std::size_t>(wide_capacity)) {
    fit = static_cast<std::size_t>(wide_capacity);
    if (U16_IS_LEAD(units[fit - 1]) && U16_IS_TRAIL(units[fit])) --fit;  // keep pairs whole
  }
  for (std::size_t i = 0; i < fit; ++i) {
    wide[2 * i] = static_cast<unsigned char>(units[i] & 0xFF);
    wide[2 * i + 1] = static_cast<unsigned char>(units[i] >> 8);
  }
  return fit == units.size() ? static_cast<int>(fit) : 0;
}

int WideCharToMultiByte(std::uint32_t code_page, std::uint32_t flags, const unsigned char* wide,
                        int unit_count, char* output, int capacity, const char* default_char) {
  if (!internal::IsSupportedCodePage(code_page) || capacity < 0) return 0;
  std::u16string units = InputUnits(wide, unit_count);
  if (units.empty()) return 0;
  if ((flags & kWcCompositeCheck) != 0) internal::ComposePairs(code_page, units);
  const char replacement = default_char != nullptr ? *default_char : '?';
  std::string bytes = Encode(code_page, units, replacement);
  if (capacity == 0) return static_cast<int>(bytes.size());
  if (output == nullptr) return 0;
  return WriteBytes(code_page, units, replacement, std::move(bytes), output, capacity);
}

int LCMapStringA(std::uint32_t locale, std::uint32_t flags, const char* source, int source_length,
                 char* destination, int capacity) {
  const bool to_traditional = flags == kLcmapTraditionalChinese;
  if (locale != kLocaleChineseSimplified || capacity < 0 ||
      (!to_traditional && flags != kLcmapSimplifiedChinese)) {
    return 0;
  }
  const std::string_view bytes = InputBytes(source, source_length);
  if (bytes.empty()) return 0;
  std::u16string units = Decode(kCpGbk, bytes);
  if (!internal::MapChineseScript(units, to_traditional)) return 0;
  std::string mapped = Encode(kCpGbk, units, '?');
  if (capacity == 0) return static_cast<int>(mapped.size());
  if (destination == nullptr) return 0;
  return WriteBytes(kCpGbk, units, '?', std::move(mapped), destination, capacity);
}

}  // namespace quillet::codepage
