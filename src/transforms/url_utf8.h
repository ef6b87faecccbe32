#pragma once

// The percent steps of url_gbk over the UTF-8 bytes of a text.

#include "text/values.h"

namespace quillet {

Text UrlEncodeUtf8(const Text& text);
Text UrlDecodeUtf8(const Text& text);

}  // namespace quillet
