#include "transforms/unicode_conversions.h"

namespace quillet {

ByteString AnsiToUnicode(const Text& /*text*/) { return ByteString(); }
ByteString UnicodeToUtf8(const ByteString& /*wide*/) { return ByteString(); }
ByteString AnsiToUtf8(const Text& /*text*/) { return ByteString(); }
ByteString Utf8ToUnicode(const ByteString& /*bytes*/) { return ByteString(); }
Text UnicodeToAnsi(const ByteString& /*wide*/) { return Text(); }
Text Utf8ToAnsi(const ByteString& /*bytes*/) { return Text(); }
ByteString CodePageToUtf16(const Text& /*text*/, std::int32_t /*code_page*/) {
  return ByteString();
}
Text Utf16ToCodePage(const ByteString& /*wide*/, std::int32_t /*code_page*/) { return Text(); }
Text Gb2312ToUtf8(const Text& /*text*/) { return Text(); }
Text Utf8ToGb2312(const Text& /*text*/) { return Text(); }

}  // namespace quillet
