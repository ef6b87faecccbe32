#include "bench_texts.h"

#include <string>

namespace quillet {

Text MixedText(std::size_t bytes) {
  // "Hello, 中文测试 ab%20cd 繁體　x=1;" in GBK: whole characters only, so any cut at the end
  // of a repetition leaves no lone lead byte.
  static constexpr char kPiece[] =
      "Hello, \xD6\xD0\xCE\xC4\xB2\xE2\xCA\xD4 ab%20cd \xB7\xB1\xF3\x77\xA1\xA1x=1;";
  std::string text;
  text.reserve(bytes + sizeof kPiece);
  while (text.size() < bytes) text += kPiece;
  return Text(std::move(text));
}

}  // namespace quillet
