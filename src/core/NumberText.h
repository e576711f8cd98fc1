#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mvf {

// Reading numbers typed by people or sent by devices, in the program's regional conventions.

// A whole number: blanks before it, an optional sign, decimal digits and nothing after them.
// Fails outside the 32-bit range, as the shops' older tools did.
bool tryParseInteger(std::string_view text, std::int32_t& value);

// A decimal number with the given decimal separator: blanks around it, an optional sign,
// digits with at most one separator, an optional exponent. No thousands separators.
bool tryParseDecimal(std::string_view text, char decimalSeparator, double& value);
// The same with the decimal separator of Locale::current().
bool tryParseDecimal(std::string_view text, double& value);

// The general number form of a value (up to 15 significant digits, no trailing zeros, the
// exponent form only for very large or very small values), with the given separator.
std::string formatGeneralNumber(double value, char decimalSeparator);
// The same with the decimal separator of Locale::current().
std::string formatGeneralNumber(double value);

} // namespace mvf
