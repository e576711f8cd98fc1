#include "core/NumberFormat.h"

#include <cstdint>
#include <stdexcept>

namespace mvf::numberformat {

namespace {

constexpr std::uint64_t kPowers[] = {1, 10, 100, 1000, 10000};

struct Rounded {
    bool negative;
    std::uint64_t whole;
    std::uint64_t fraction; // in units of 10^-decimals
};

Rounded roundTo(Currency value, int decimals) {
    if (decimals < 0 || decimals > 4)
        throw std::invalid_argument("casas decimais fora de 0 a 4");
    const std::int64_t ticks = value.ticks();
    const bool negative = ticks < 0;
    const std::uint64_t magnitude =
        negative ? static_cast<std::uint64_t>(-(ticks + 1)) + 1 : static_cast<std::uint64_t>(ticks);
    const std::uint64_t step = kPowers[4 - decimals];
    std::uint64_t units = magnitude / step;
    if (magnitude % step * 2 >= step)
        ++units;
    const std::uint64_t scale = kPowers[decimals];
    return {negative && units != 0, units / scale, units % scale};
}

std::string fractionText(std::uint64_t fraction, int decimals) {
    std::string text = std::to_string(fraction);
    text.insert(0, static_cast<std::size_t>(decimals) - text.size(), '0');
    return text;
}

} // namespace

std::string fixed(Currency value, int integerDigits, int decimals, char decimalSeparator) {
    const Rounded r = roundTo(value, decimals);
    std::string whole = std::to_string(r.whole);
    if (whole.size() < static_cast<std::size_t>(integerDigits))
        whole.insert(0, static_cast<std::size_t>(integerDigits) - whole.size(), '0');
    std::string text = r.negative ? "-" + whole : whole;
    if (decimals > 0) {
        text += decimalSeparator;
        text += fractionText(r.fraction, decimals);
    }
    return text;
}

std::string grouped(Currency value, int decimals, char thousandSeparator, char decimalSeparator) {
    const Rounded r = roundTo(value, decimals);
    const std::string digits = std::to_string(r.whole);
    std::string text = r.negative ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += thousandSeparator;
        text += digits[i];
    }
    if (decimals > 0) {
        text += decimalSeparator;
        text += fractionText(r.fraction, decimals);
    }
    return text;
}

} // namespace mvf::numberformat
