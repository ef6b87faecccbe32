#pragma once

#include <string_view>

namespace quillet {

// Stops the program on a programming error (a position outside an array, a zero divisor...).
// These are never data errors: no input text can reach them.
[[noreturn]] void FatalError(std::string_view what);

// Makes an allocation that exhausts memory stop the program with a message saying so.
void StopOnOutOfMemory();

}  // namespace quillet
