#pragma once

namespace lumetta {

inline constexpr const char* kVersionText = "1.00";

}  // namespace lumetta
