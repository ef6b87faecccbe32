#include "transforms/url_utf8.h"

namespace quillet {

Text UrlEncodeUtf8(const Text& /*text*/) { return Text(); }
Text UrlDecodeUtf8(const Text& /*text*/) { return Text(); }

}  // namespace quillet
