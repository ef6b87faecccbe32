// Arbitrary bytes through every code-page service: the first byte picks the code page, the
// flags, the default character and a capacity, so that short buffers are covered too.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/codepage.h"

namespace cp = quillet::codepage;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  static constexpr std::uint32_t kCodePages[] = {cp::kCpAcp, cp::kCpGbk, cp::kCpBig5, cp::kCpUtf8};
  const std::uint32_t code_page = kCodePages[data[0] & 3];
  const std::uint32_t flags = (data[0] & 4) != 0 ? cp::kWcCompositeCheck : 0;
  const char zero = '\0';
  const char* default_char = (data[0] & 8) != 0 ? &zero : nullptr;
  const int capacity_cut = data[1];  // shorten buffers by this many units or bytes
  const std::string input(reinterpret_cast<const char*>(data + 2), size - 2);
  const int length = static_cast<int>(input.size());

  // Bytes to UTF-16, explicit length and up to the first zero byte.
  for (const int input_length : {length, -1}) {
    const int units =
        cp::MultiByteToWideChar(code_page, 0, input.c_str(), input_length, nullptr, 0);
    if (units < 0 || units > length + 1) __builtin_trap();
    const int capacity = units - capacity_cut > 0 ? units - capacity_cut : units;
    std::vector<unsigned char> wide(2 * static_cast<std::size_t>(units));
    cp::MultiByteToWideChar(code_page, 0, input.c_str(), input_length, wide.data(), capacity);
  }

  // The input as UTF-16 units to bytes.
  const auto* wide = reinterpret_cast<const unsigned char*>(input.data());
  const int unit_count = length / 2;
  const int bytes =
      cp::WideCharToMultiByte(code_page, flags, wide, unit_count, nullptr, 0, default_char);
  if (bytes < 0) __builtin_trap();
  const int capacity = bytes - capacity_cut > 0 ? bytes - capacity_cut : bytes;
  std::string out(static_cast<std::size_t>(bytes), ' ');
  cp::WideCharToMultiByte(code_page, flags, wide, unit_count, out.data(), capacity, default_char);

  // Simplified and traditional forms within the input's own length, as the transforms call it.
  std::string mapped(input.size(), ' ');
  const std::uint32_t script =
      (data[0] & 16) != 0 ? cp::kLcmapTraditionalChinese : cp::kLcmapSimplifiedChinese;
  cp::LCMapStringA(cp::kLocaleChineseSimplified, script, input.data(), length, mapped.data(),
                   length);
  return 0;
}
