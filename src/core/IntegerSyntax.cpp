#include "core/IntegerSyntax.h"

#include <limits>

namespace mvf {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::optional<std::int64_t> digitsValue(std::string_view digits, int base) {
    if (digits.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : digits) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * base + d;
        if (value > 0xFFFFFFFFLL)
            return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<std::int32_t> parseIntegerSyntax(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        auto magnitude = digitsValue(text.substr(2), 16);
        if (!magnitude)
            return std::nullopt;
        std::int64_t value = static_cast<std::int32_t>(static_cast<std::uint32_t>(*magnitude));
        return static_cast<std::int32_t>(negative ? -value : value);
    }
    if (text.size() > 1 && text[0] == '$') {
        auto magnitude = digitsValue(text.substr(1), 16);
        if (!magnitude)
            return std::nullopt;
        std::int64_t value = static_cast<std::int32_t>(static_cast<std::uint32_t>(*magnitude));
        return static_cast<std::int32_t>(negative ? -value : value);
    }
    auto magnitude = digitsValue(text, 10);
    if (!magnitude)
        return std::nullopt;
    std::int64_t value = negative ? -*magnitude : *magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace mvf
