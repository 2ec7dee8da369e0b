#pragma once
// The program's one rounding rule: add one half and truncate toward zero,
// for negative values too (R(-127.5) == -127).

#include <cstdint>

namespace lumetta {

inline std::int32_t R(double x) { return static_cast<std::int32_t>(x + 0.5); }
inline std::int64_t R64(double x) { return static_cast<std::int64_t>(x + 0.5); }

// Integer division rounding up, for non-negative operands.
inline std::int32_t CeilDiv(std::int32_t a, std::int32_t b) { return a / b + (a % b != 0 ? 1 : 0); }

}  // namespace lumetta
