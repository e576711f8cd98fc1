#pragma once

#include <string>
#include <string_view>

namespace mvf::windows1252 {

// The code page's byte for a character, or '?' when the code page lacks it.
char encode(char32_t c);

// UTF-8 text to Windows-1252 bytes, appended to `out`; one byte per character.
void append(std::string& out, std::string_view utf8);
std::string fromUtf8(std::string_view utf8);

// Windows-1252 bytes to UTF-8 text (the five unassigned bytes become U+FFFD).
std::string toUtf8(std::string_view bytes);

} // namespace mvf::windows1252
