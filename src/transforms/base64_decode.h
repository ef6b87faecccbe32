#pragma once

#include "text/values.h"

namespace quillet {

// Leaves text without spaces, full-width spaces and CR LF pairs, whatever the result. Any text
// decodes to something; PumpEvents runs once per group of four characters.
ByteString Base64Decode(Text& text);

}  // namespace quillet
