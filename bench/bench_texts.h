#pragma once

#include <cstddef>

#include "text/values.h"

namespace quillet {

// A test text of about the given size, mixed as pasted web text is: ASCII words and
// punctuation, commas and spaces, GBK Chinese characters, a full-width space.
Text MixedText(std::size_t bytes);

}  // namespace quillet
