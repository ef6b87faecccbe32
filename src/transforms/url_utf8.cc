#include "transforms/url_utf8.h"

#include "transforms/unicode_conversions.h"
#include "transforms/url_gbk.h"

namespace quillet {

Text UrlEncodeUtf8(const Text& text) { return PercentEncode(BytesFromText(Gb2312ToUtf8(text))); }

Text UrlDecodeUtf8(const Text& text) { return Utf8ToAnsi(BytesFromText(PercentDecode(text))); }

}  // namespace quillet
