#include "transforms/char_references.h"

namespace quillet {

Text AnsiToUnicodeText(const Text& /*text*/) { return Text(); }
Text UnicodeTextToAnsi(const Text& /*text*/) { return Text(); }
ByteString AsciiToUnicode(const Text& /*text*/) { return ByteString(); }

}  // namespace quillet
