#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace mvf {

// A fixed-point amount with exactly four decimals, held as a signed 64-bit count of
// ten-thousandths, so prices and weights add and scale without binary rounding.
class Currency {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;

    static constexpr Currency fromTicks(std::int64_t ticks) {
        Currency c;
        c.ticks_ = ticks;
        return c;
    }
    static Currency fromUnits(std::int64_t units);

    // v x 10000 rounded to the nearest whole number, ties to even. Throws std::out_of_range for
    // NaN, infinities and values outside the 64-bit range.
    static Currency fromDouble(double value);

    // A decimal number written in plain or exponent form ("39.9", "-0.125", "1e3"), rounded to
    // four decimals with ties to even. Throws std::invalid_argument for text that is not a
    // number and std::out_of_range for a number outside the range.
    static Currency fromDecimalText(std::string_view text);

    constexpr std::int64_t ticks() const { return ticks_; }
    double toDouble() const { return static_cast<double>(ticks_) / kScale; }

    // The value times 10^decimals (decimals 0 to 4), truncated toward zero.
    std::int64_t truncatedScaled(int decimals) const;

    // "39.9000"-style text with a dot, for messages and tests.
    std::string toString() const;

    friend constexpr auto operator<=>(Currency, Currency) = default;

private:
    std::int64_t ticks_ = 0;
};

} // namespace mvf
