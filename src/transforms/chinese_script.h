#pragma once

// Simplified and traditional Chinese within GBK, and the BIG5 code page.

#include "text/values.h"

namespace quillet {

Text SimplifiedToTraditional(const Text& text);
Text TraditionalToSimplified(const Text& text);
Text Big5ToTraditional(const Text& text);  // the bytes read as BIG5, written as GBK
Text TraditionalToBig5(const Text& text);  // ends before the first character BIG5 lacks
Text Big5ToSimplified(const Text& text);
Text SimplifiedToBig5(const Text& text);

}  // namespace quillet
