#pragma once

// Number operations: integers are 32-bit signed, the divisions work on doubles.

#include <cstdint>

namespace quillet {

// a / b truncated toward zero. A zero divisor stops the program.
double IntDivide(double a, double b);
// The remainder of a / b with the sign of a. A zero divisor stops the program.
double IntModulo(double a, double b);

std::int32_t BitAnd(std::int32_t a, std::int32_t b);
std::int32_t BitOr(std::int32_t a, std::int32_t b);
std::int32_t BitXor(std::int32_t a, std::int32_t b);
// Shift by n mod 32 bits; the right shift is arithmetic.
std::int32_t BitShiftLeft(std::int32_t value, std::int32_t n);
std::int32_t BitShiftRight(std::int32_t value, std::int32_t n);

}  // namespace quillet
