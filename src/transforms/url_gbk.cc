#include "transforms/url_gbk.h"

namespace quillet {

Text UrlEncodeGbk(const Text& /*text*/) { return Text(); }
Text UrlDecodeGbk(const Text& /*text*/) { return Text(); }

}  // namespace quillet
