#pragma once

// Reproducible random test texts for the round-trip tests.

#include <random>
#include <string>

#include "text/values.h"

namespace quillet {

// Any bytes but zero, any length up to max_length.
inline Text RandomBytesText(std::mt19937& random, std::size_t max_length) {
  std::uniform_int_distribution<std::size_t> length(0, max_length);
  std::uniform_int_distribution<int> byte(1, 255);
  std::string bytes(length(random), '\0');
  for (char& b : bytes) b = static_cast<char>(byte(random));
  return Text(std::move(bytes));
}

// Characters of code page 936: ASCII, the euro sign and two-byte GBK characters.
inline Text RandomGbkText(std::mt19937& random, std::size_t max_characters) {
  std::uniform_int_distribution<std::size_t> count(0, max_characters);
  std::uniform_int_distribution<int> kind(0, 9);
  std::uniform_int_distribution<int> ascii(1, 0x7F);
  std::uniform_int_distribution<int> lead(0xB0, 0xD7);  // GB2312 hanzi rows, all assigned
  std::uniform_int_distribution<int> trail(0xA1, 0xFE);
  std::string bytes;
  for (std::size_t n = count(random); n > 0; --n) {
    const int k = kind(random);
    if (k < 4) {
      bytes += static_cast<char>(ascii(random));
    } else if (k == 4) {
      bytes += '\x80';
    } else {
      bytes += static_cast<char>(lead(random));
      bytes += static_cast<char>(trail(random));
      if (bytes[bytes.size() - 2] == '\xD7' && static_cast<unsigned char>(bytes.back()) > 0xF9) {
        bytes.back() = '\xA1';  // D7 FA to D7 FE are unassigned
      }
    }
  }
  return Text(std::move(bytes));
}

}  // namespace quillet
