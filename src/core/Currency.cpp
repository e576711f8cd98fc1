#include "core/Currency.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace mvf {

namespace {

constexpr std::int64_t kPowers[] = {1, 10, 100, 1000, 10000};

// Adds one decimal digit to an unsigned magnitude, reporting overflow.
bool pushDigit(std::uint64_t& value, int digit) {
    constexpr std::uint64_t limit = std::numeric_limits<std::uint64_t>::max();
    if (value > (limit - static_cast<std::uint64_t>(digit)) / 10)
        return false;
    value = value * 10 + static_cast<std::uint64_t>(digit);
    return true;
}

} // namespace

Currency Currency::fromUnits(std::int64_t units) {
    if (units > std::numeric_limits<std::int64_t>::max() / kScale ||
        units < std::numeric_limits<std::int64_t>::min() / kScale)
        throw std::out_of_range("valor fora da faixa de moeda");
    return fromTicks(units * kScale);
}

Currency Currency::fromDouble(double value) {
    const double scaled = value * static_cast<double>(kScale);
    // 2^63 is exactly representable; anything at or past it does not fit.
    constexpr double limit = 9223372036854775808.0;
    if (!std::isfinite(scaled) || scaled >= limit || scaled < -limit)
        throw std::out_of_range("valor fora da faixa de moeda");
    // nearbyint follows the default rounding mode, round to nearest with ties to even.
    return fromTicks(static_cast<std::int64_t>(std::nearbyint(scaled)));
}

Currency Currency::fromDecimalText(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // Keep every digit as written; the exponent only moves the decimal point.
    std::string digits;
    long long pointShift = 0;
    bool seenDigit = false;
    bool seenPoint = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c >= '0' && c <= '9') {
            seenDigit = true;
            // Leading zeros carry no value; the point position is kept in pointShift.
            if (!(digits.empty() && c == '0'))
                digits += c;
            if (seenPoint)
                ++pointShift;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit)
        throw std::invalid_argument("número inválido");
    long long exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool expNegative = false;
        if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
            expNegative = text[pos] == '-';
            ++pos;
        }
        bool expDigit = false;
        for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
            expDigit = true;
            if (exponent < 100000)
                exponent = exponent * 10 + (text[pos] - '0');
        }
        if (!expDigit)
            throw std::invalid_argument("número inválido");
        if (expNegative)
            exponent = -exponent;
    }
    if (pos != text.size())
        throw std::invalid_argument("número inválido");

    // digits x 10^(exponent - pointShift), wanted in ten-thousandths.
    const long long shift = exponent - pointShift + 4;
    std::uint64_t magnitude = 0;
    bool anyNonZero = false;
    for (char c : digits)
        anyNonZero = anyNonZero || c != '0';
    if (!anyNonZero)
        return Currency{};
    if (shift >= 0) {
        if (shift > 40)
            throw std::out_of_range("valor fora da faixa de moeda");
        for (char c : digits)
            if (!pushDigit(magnitude, c - '0'))
                throw std::out_of_range("valor fora da faixa de moeda");
        for (long long i = 0; i < shift; ++i)
            if (!pushDigit(magnitude, 0))
                throw std::out_of_range("valor fora da faixa de moeda");
    } else {
        const long long drop = -shift;
        const long long keep = static_cast<long long>(digits.size()) - drop;
        for (long long i = 0; i < keep; ++i)
            if (!pushDigit(magnitude, digits[static_cast<std::size_t>(i)] - '0'))
                throw std::out_of_range("valor fora da faixa de moeda");
        // Round the dropped tail: above half up, below half down, exactly half to even.
        int first = 0;
        bool restNonZero = false;
        for (long long i = std::max(keep, 0LL); i < static_cast<long long>(digits.size()); ++i) {
            const int d = digits[static_cast<std::size_t>(i)] - '0';
            if (i == keep)
                first = d;
            else if (d != 0)
                restNonZero = true;
        }
        if (keep < 0)
            first = 0; // every digit lies below the half-unit position
        const bool up = first > 5 || (first == 5 && (restNonZero || (magnitude % 2) == 1));
        if (up) {
            if (magnitude == std::numeric_limits<std::uint64_t>::max())
                throw std::out_of_range("valor fora da faixa de moeda");
            ++magnitude;
        }
    }
    constexpr std::uint64_t maxPositive =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (negative) {
        if (magnitude > maxPositive + 1)
            throw std::out_of_range("valor fora da faixa de moeda");
        return fromTicks(magnitude == maxPositive + 1 ? std::numeric_limits<std::int64_t>::min()
                                                      : -static_cast<std::int64_t>(magnitude));
    }
    if (magnitude > maxPositive)
        throw std::out_of_range("valor fora da faixa de moeda");
    return fromTicks(static_cast<std::int64_t>(magnitude));
}

std::int64_t Currency::truncatedScaled(int decimals) const {
    if (decimals < 0 || decimals > 4)
        throw std::invalid_argument("casas decimais fora de 0 a 4");
    // Integer division truncates toward zero, as wanted.
    return ticks_ / kPowers[4 - decimals];
}

std::string Currency::toString() const {
    const bool negative = ticks_ < 0;
    const std::uint64_t magnitude =
        negative ? static_cast<std::uint64_t>(-(ticks_ + 1)) + 1 : static_cast<std::uint64_t>(ticks_);
    std::string frac = std::to_string(magnitude % kScale);
    std::string text;
    if (negative)
        text += '-';
    text += std::to_string(magnitude / kScale);
    text += '.';
    text.append(4 - frac.size(), '0');
    text += frac;
    return text;
}

} // namespace mvf
