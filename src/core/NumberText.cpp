#include "core/NumberText.h"

#include "core/Locale.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace mvf {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool tryParseInteger(std::string_view text, std::int32_t& value) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size())
        return false;
    std::int64_t result = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return false;
        result = result * 10 + (text[i] - '0');
        if (result > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            return false;
    }
    if (negative)
        result = -result;
    if (result > std::numeric_limits<std::int32_t>::max() ||
        result < std::numeric_limits<std::int32_t>::min())
        return false;
    value = static_cast<std::int32_t>(result);
    return true;
}

bool tryParseDecimal(std::string_view text, char decimalSeparator, double& value) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text[begin] == ' ')
        ++begin;
    while (end > begin && text[end - 1] == ' ')
        --end;
    // Rebuilt in the C form so that the standard conversion can take it.
    std::string plain;
    std::size_t i = begin;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            plain += '-';
        ++i;
    }
    int digits = 0;
    while (i < end && isDigit(text[i])) {
        plain += text[i++];
        ++digits;
    }
    if (i < end && text[i] == decimalSeparator) {
        plain += '.';
        ++i;
        while (i < end && isDigit(text[i])) {
            plain += text[i++];
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        int exponentDigits = 0;
        while (i < end && isDigit(text[i])) {
            plain += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    if (i != end)
        return false;
    double result = 0;
    auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), result);
    if (ec != std::errc() || ptr != plain.data() + plain.size() || !std::isfinite(result))
        return false;
    value = result;
    return true;
}

bool tryParseDecimal(std::string_view text, double& value) {
    return tryParseDecimal(text, Locale::current().decimalSeparator, value);
}

std::string formatGeneralNumber(double value, char decimalSeparator) {
    if (value == 0 || !std::isfinite(value))
        return value == 0 ? "0" : (std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF"));
    char buffer[64];
    const double magnitude = std::fabs(value);
    std::string text;
    if (magnitude >= 1e15 || magnitude < 1e-5) {
        std::snprintf(buffer, sizeof buffer, "%.14e", value);
        std::string s = buffer;
        auto e = s.find('e');
        std::string mantissa = s.substr(0, e);
        int exponent = std::stoi(s.substr(e + 1));
        if (mantissa.find('.') != std::string::npos) {
            while (mantissa.back() == '0')
                mantissa.pop_back();
            if (mantissa.back() == '.')
                mantissa.pop_back();
        }
        text = mantissa + "E" + std::to_string(exponent);
    } else {
        std::snprintf(buffer, sizeof buffer, "%.15g", value);
        text = buffer;
    }
    for (char& c : text)
        if (c == '.')
            c = decimalSeparator;
    return text;
}

std::string formatGeneralNumber(double value) {
    return formatGeneralNumber(value, Locale::current().decimalSeparator);
}

} // namespace mvf
