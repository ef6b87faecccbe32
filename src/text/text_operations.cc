#include "text/text_operations.h"

#include <cstring>
#include <string_view>

namespace quillet {
namespace {

constexpr unsigned char kFullWidthLead = 0xA1;  // A1 A1 is the full-width space

// The number of bytes the character at index takes: 2 for a lead byte with a byte after it.
// A lone lead byte at the end reports 1; callers that treat it specially check IsLoneLead.
std::size_t CharWidth(std::string_view bytes, std::size_t index) {
  return IsLeadByte(static_cast<unsigned char>(bytes[index])) && index + 1 < bytes.size() ? 2 : 1;
}

bool IsLoneLead(std::string_view bytes, std::size_t index) {
  return index + 1 == bytes.size() && IsLeadByte(static_cast<unsigned char>(bytes[index]));
}

bool MatchesAt(std::string_view bytes, std::size_t index, std::string_view pattern) {
  return bytes.size() - index >= pattern.size() &&
         std::memcmp(bytes.data() + index, pattern.data(), pattern.size()) == 0;
}

// The width of the space character at index (1 or 2), or 0 when no space starts there.
std::size_t SpaceWidth(std::string_view bytes, std::size_t index) {
  if (bytes[index] == ' ') return 1;
  if (static_cast<unsigned char>(bytes[index]) == kFullWidthLead && index + 1 < bytes.size() &&
      static_cast<unsigned char>(bytes[index + 1]) == kFullWidthLead) {
    return 2;
  }
  return 0;
}

}  // namespace

std::int32_t TextLen(const Text& text) { return text.Length(); }

Text TextPrefix(const Text& text, std::int32_t n) {
  if (n <= 0) return Text();
  return Text(text.View().substr(0, static_cast<std::size_t>(n)));
}

Text TextSlice(const Text& text, std::int32_t pos, std::int32_t n) {
  const std::int64_t p = static_cast<std::int64_t>(pos) - 1;
  if (p < 0 || p >= text.Length() || n <= 0) return Text();
  return Text(text.View().substr(static_cast<std::size_t>(p), static_cast<std::size_t>(n)));
}

std::int32_t TextCodeAt(const Text& text, std::int32_t pos) {
  const std::int64_t p = static_cast<std::int64_t>(pos) - 1;
  if (p < 0 || p >= text.Length()) return 0;
  return static_cast<signed char>(text[static_cast<std::size_t>(p)]);
}

Text TextFromCode(std::int32_t code) {
  return Text().AppendByte(static_cast<unsigned char>(code & 0xFF));
}

Text TextHexOf(std::int32_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  auto bits = static_cast<std::uint32_t>(value);
  char digits[8];
  int count = 0;
  do {
    digits[count++] = kDigits[bits & 0xF];
    bits >>= 4;
  } while (bits != 0);
  Text hex;
  while (count > 0) hex.AppendByte(static_cast<unsigned char>(digits[--count]));
  return hex;
}

Text TextFromNumber(std::int16_t value) { return Text(std::to_string(value)); }

std::uint8_t TextParseByte(std::int32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

std::int16_t TextParseShort(const Text& text) {
  // Full-width forms are narrowed first, so that full-width digits and signs read as ASCII.
  const std::string_view bytes = text.View();
  std::string narrow;
  narrow.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t width = CharWidth(bytes, i);
    if (width == 2) {
      const auto first = static_cast<unsigned char>(bytes[i]);
      const auto second = static_cast<unsigned char>(bytes[i + 1]);
      if (first == 0xA3 && second >= 0xA1 && second <= 0xFE) {
        narrow += static_cast<char>(second - 0x80);
      } else if (first == 0xA1 && second == 0xA1) {
        narrow += ' ';
      } else if (first == 0xA1 && second == 0xAB) {
        narrow += '~';
      } else if (first == 0xA1 && (second == 0xEE || second == 0xEF)) {
        narrow += '*';
      } else {
        narrow.append(bytes.substr(i, 2));
      }
    } else {
      narrow += bytes[i];
    }
    i += width;
  }

  std::size_t i = 0;
  while (i < narrow.size() && std::strchr(" \t\n\v\f\r", narrow[i]) != nullptr) ++i;
  bool negative = false;
  if (i < narrow.size() && (narrow[i] == '+' || narrow[i] == '-')) negative = narrow[i++] == '-';
  std::uint32_t value = 0;  // unsigned: the 32-bit accumulation wraps without overflow checks
  for (; i < narrow.size() && narrow[i] >= '0' && narrow[i] <= '9'; ++i) {
    value = value * 10 + static_cast<std::uint32_t>(narrow[i] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF));
}

Text TextBlank(std::int32_t n) {
  if (n < 1) return Text();
  return Text(std::string(static_cast<std::size_t>(n), ' '));
}

Text TextUppercase(const Text& text) {
  std::string upper(text.View());
  for (std::size_t i = 0; i < upper.size(); i += CharWidth(upper, i)) {
    if (upper[i] >= 'a' && upper[i] <= 'z') upper[i] = static_cast<char>(upper[i] - 'a' + 'A');
  }
  return Text(std::move(upper));
}

std::int32_t TextSearch(const Text& text, const Text& sub) {
  const std::string_view bytes = text.View();
  const std::string_view pattern = sub.View();
  if (pattern.empty()) return bytes.empty() ? -1 : 1;
  for (std::size_t i = 0; bytes.size() - i >= pattern.size();) {
    if (MatchesAt(bytes, i, pattern)) return static_cast<std::int32_t>(i + 1);
    if (IsLoneLead(bytes, i)) return -1;
    i += CharWidth(bytes, i);
  }
  return -1;
}

Text TextSubstitute(const Text& text, const Text& find, const Text& replacement,
                    std::optional<std::int32_t> count) {
  const std::string_view bytes = text.View();
  const std::string_view pattern = find.View();
  if (bytes.empty() || pattern.empty() || count == 0) return text;
  std::string out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (bytes.size() - i >= pattern.size()) {
    if (MatchesAt(bytes, i, pattern)) {
      out += replacement.View();
      i += pattern.size();
      if (count && --*count == 0) break;
    } else if (IsLoneLead(bytes, i)) {
      i = bytes.size();  // a lone lead byte that the scan reaches is dropped
    } else {
      const std::size_t width = CharWidth(bytes, i);
      out.append(bytes.substr(i, width));
      i += width;
    }
  }
  out.append(bytes.substr(i));
  return Text(std::move(out));
}

TextList TextSplitBy(const Text& text, const Text& delimiter) {
  TextList pieces;
  const std::string_view bytes = text.View();
  const std::string_view pattern = delimiter.View();
  if (bytes.empty()) return pieces;
  if (pattern.empty()) {
    pieces.Add(text);
    return pieces;
  }
  std::size_t start = 0;
  std::size_t i = 0;
  while (bytes.size() - i >= pattern.size()) {
    if (MatchesAt(bytes, i, pattern)) {
      pieces.Add(Text(bytes.substr(start, i - start)));
      i += pattern.size();
      start = i;
    } else if (IsLoneLead(bytes, i)) {
      break;
    } else {
      i += CharWidth(bytes, i);
    }
  }
  if (start < bytes.size()) pieces.Add(Text(bytes.substr(start)));
  return pieces;
}

Text TextTrim(const Text& text) {
  const std::string_view bytes = text.View();
  std::size_t begin = 0;
  while (begin < bytes.size() && SpaceWidth(bytes, begin) != 0) begin += SpaceWidth(bytes, begin);
  std::size_t end = bytes.size();
  std::size_t run_start = bytes.size();  // where the current run of spaces began, if in one
  for (std::size_t i = begin; i < bytes.size();) {
    if (IsLoneLead(bytes, i)) {
      end = i;  // cut the lone lead byte; the spaces before it stay
      run_start = bytes.size();
      break;
    }
    const std::size_t space = SpaceWidth(bytes, i);
    if (space != 0) {
      if (run_start == bytes.size()) run_start = i;
      i += space;
    } else {
      run_start = bytes.size();
      i += CharWidth(bytes, i);
    }
  }
  if (run_start != bytes.size()) end = run_start;
  return Text(bytes.substr(begin, end - begin));
}

Text TextStripSpaces(const Text& text) {
  const std::string_view bytes = text.View();
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    if (IsLoneLead(bytes, i)) break;
    const std::size_t space = SpaceWidth(bytes, i);
    if (space != 0) {
      i += space;
      continue;
    }
    const std::size_t width = CharWidth(bytes, i);
    out.append(bytes.substr(i, width));
    i += width;
  }
  return Text(std::move(out));
}

}  // namespace quillet
