#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mvf::utf8 {

// Reads the character that starts at `pos` and moves `pos` past it. A byte that does not start
// a well-formed sequence counts as one character, U+FFFD, so malformed text never stops a
// load and keeps its width.
char32_t next(std::string_view text, std::size_t& pos);

// Number of characters (code points) in the text.
std::size_t length(std::string_view text);

// Byte offset where the character with the given index starts (text.size() when the text has
// fewer characters).
std::size_t offsetOf(std::string_view text, std::size_t characters);

void append(std::string& out, char32_t c);

inline bool isAscii(std::string_view text) {
    for (unsigned char c : text)
        if (c >= 0x80)
            return false;
    return true;
}

} // namespace mvf::utf8
