#include "core/FieldRules.h"

#include "core/Utf8.h"

#include <algorithm>
#include <charconv>

namespace mvf::field {

namespace {

// Appends `text` cut to `width` characters, with `fill` in front or behind up to the width.
void appendFitted(std::string& out, std::string_view text, int width, char fill, bool fillInFront) {
    if (width <= 0)
        return;
    const auto n = static_cast<std::size_t>(width);
    std::size_t chars;
    std::size_t cut;
    if (utf8::isAscii(text)) {
        chars = text.size();
        cut = std::min(text.size(), n);
    } else {
        chars = utf8::length(text);
        cut = utf8::offsetOf(text, n);
    }
    if (chars >= n) {
        out.append(text.substr(0, cut));
        return;
    }
    if (fillInFront)
        out.append(n - chars, fill);
    out.append(text);
    if (!fillInFront)
        out.append(n - chars, fill);
}

void appendNumber(std::string& out, std::int64_t value, int width, char fill) {
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    appendFitted(out, std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)), width, fill,
                 true);
}

} // namespace

void appendA(std::string& out, std::string_view text, int width) {
    appendFitted(out, text, width, ' ', false);
}

void appendN(std::string& out, std::int64_t value, int width) {
    appendNumber(out, value, width, '0');
}

void appendS(std::string& out, std::int64_t value, int width) {
    appendNumber(out, value, width, ' ');
}

void appendT(std::string& out, std::string_view text, int width) {
    appendFitted(out, text, width, '0', true);
}

std::int32_t scaledForV(Currency value, int decimals) {
    // The scaled number lives in a 32-bit integer; larger values wrap as they always have.
    return static_cast<std::int32_t>(value.truncatedScaled(decimals));
}

void appendV(std::string& out, Currency value, int width, int decimals) {
    appendN(out, scaledForV(value, decimals), width);
}

void appendV(std::string& out, double value, int width, int decimals) {
    appendV(out, Currency::fromDouble(value), width, decimals);
}

} // namespace mvf::field
