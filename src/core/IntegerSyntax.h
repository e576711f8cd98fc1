#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace mvf {

// A whole number in the syntax the shops' older tools accepted: blanks around it, an optional
// sign, then decimal digits or hexadecimal digits after "0x" or "$" (hexadecimal gives the
// 32-bit pattern, so 0xFFFFFFFF is -1). Nothing if the text is not such a number or does not
// fit in 32 bits.
std::optional<std::int32_t> parseIntegerSyntax(std::string_view text);

} // namespace mvf
