#include "text/number_operations.h"

#include <cmath>

#include "text/fatal.h"

namespace quillet {
namespace {

std::uint32_t ShiftCount(std::int32_t n) { return static_cast<std::uint32_t>(n) & 31u; }

void CheckDivisor(double b) {
  if (b == 0) FatalError("division by zero");
}

}  // namespace

double IntDivide(double a, double b) {
  CheckDivisor(b);
  return std::trunc(a / b);
}

double IntModulo(double a, double b) {
  CheckDivisor(b);
  return std::fmod(a, b);
}

std::int32_t BitAnd(std::int32_t a, std::int32_t b) { return a & b; }
std::int32_t BitOr(std::int32_t a, std::int32_t b) { return a | b; }
std::int32_t BitXor(std::int32_t a, std::int32_t b) { return a ^ b; }

std::int32_t BitShiftLeft(std::int32_t value, std::int32_t n) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) << ShiftCount(n));
}

std::int32_t BitShiftRight(std::int32_t value, std::int32_t n) {
  return value >> ShiftCount(n);  // arithmetic since C++20
}

}  // namespace quillet
