#pragma once

#include "core/Currency.h"

#include <cstdint>
#include <string>
#include <string_view>

// The fixed-width field rules of the scale load files. Widths count characters, not bytes;
// every rule cuts a longer result to its first n characters.
namespace mvf::field {

// A(n): the text followed by spaces up to n characters.
void appendA(std::string& out, std::string_view text, int width);
// N(n): the whole number in decimal ("-" first when negative), zeros in front up to n.
void appendN(std::string& out, std::int64_t value, int width);
// S(n): as N(n) with spaces in front.
void appendS(std::string& out, std::int64_t value, int width);
// T(n): the text with zeros in front up to n characters.
void appendT(std::string& out, std::string_view text, int width);
// V(n,d): trunc(v x 10^d) held in a signed 32-bit number, then N(n).
void appendV(std::string& out, Currency value, int width, int decimals);
// The Double form is first converted to Currency (ties to even).
void appendV(std::string& out, double value, int width, int decimals);

// The whole number that V(n,d) writes.
std::int32_t scaledForV(Currency value, int decimals);

inline std::string A(std::string_view text, int width) {
    std::string s;
    appendA(s, text, width);
    return s;
}
inline std::string N(std::int64_t value, int width) {
    std::string s;
    appendN(s, value, width);
    return s;
}
inline std::string S(std::int64_t value, int width) {
    std::string s;
    appendS(s, value, width);
    return s;
}
inline std::string T(std::string_view text, int width) {
    std::string s;
    appendT(s, text, width);
    return s;
}
inline std::string V(Currency value, int width, int decimals) {
    std::string s;
    appendV(s, value, width, decimals);
    return s;
}
inline std::string V(double value, int width, int decimals) {
    std::string s;
    appendV(s, value, width, decimals);
    return s;
}

} // namespace mvf::field
