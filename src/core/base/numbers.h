#pragma once
// Reading numbers from the program's text files and edit fields.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumetta {

// A whole decimal number: optional leading blanks, an optional sign, digits,
// nothing after them; nothing when the text is not such a number or does not
// fit 32 bits.
std::optional<std::int32_t> ParseInt(std::string_view text);

// The leading whole number of a text: leading blanks and a sign allowed,
// reading stops at the first character that is not a digit and keeps what was
// read; an empty or non-numeric text gives 0. Values beyond 32 bits saturate.
std::int32_t ParseLeadingInt(std::string_view text);

// A decimal real in the forms the program writes ("5.00000000000000E-0001",
// "0.5", "-1"); nothing when the text is not a number.
std::optional<double> ParseReal(std::string_view text);

std::string IntToString(std::int64_t value);

}  // namespace lumetta
