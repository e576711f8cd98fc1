#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Letter case that ignores the difference between capitals and small letters, accented ones
// included (Latin, Greek and Cyrillic): "AÇOUGUE" and "Açougue" are the same text.
namespace mvf::casefold {

char32_t fold(char32_t c);

// The UTF-8 text with every letter in its folded (small) form.
std::string fold(std::string_view text);

bool equalIgnoringCase(std::string_view a, std::string_view b);

// Equal for any two texts that equalIgnoringCase() holds equal.
std::uint64_t hashIgnoringCase(std::string_view text);

} // namespace mvf::casefold
