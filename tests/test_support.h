#pragma once

// Readable failure output for the value types, and short ways to write byte values.

#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>

#include "text/pump_events.h"
#include "text/values.h"

namespace quillet {

// Bytes as hexadecimal pairs: "D6 D0 41".
inline std::string Hex(std::string_view bytes) {
  std::string hex;
  for (const char byte : bytes) {
    char pair[4];
    std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned char>(byte));
    if (!hex.empty()) hex += ' ';
    hex += pair;
  }
  return hex;
}

inline void PrintTo(const Text& text, std::ostream* os) {
  *os << "Text[" << Hex(text.View()) << "]";
}
inline void PrintTo(const ByteString& bytes, std::ostream* os) {
  *os << "Bytes[" << Hex(bytes.View()) << "]";
}

// A ByteString from a literal that may hold zero bytes: Bytes("a\0b").
template <std::size_t N>
ByteString Bytes(const char (&literal)[N]) {
  return ByteString(std::string_view(literal, N - 1));
}

// Counts the calls of PumpEvents while it lives, in place of the hook before it.
class PumpEventsCounter {
 public:
  PumpEventsCounter() : previous_(SetPumpEventsHook({&Count, this})) {}
  ~PumpEventsCounter() { SetPumpEventsHook(previous_); }
  PumpEventsCounter(const PumpEventsCounter&) = delete;
  PumpEventsCounter& operator=(const PumpEventsCounter&) = delete;

  int calls = 0;

 private:
  static void Count(void* self) { ++static_cast<PumpEventsCounter*>(self)->calls; }

  PumpEventsHook previous_;
};

}  // namespace quillet
