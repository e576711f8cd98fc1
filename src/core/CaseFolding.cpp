#include "core/CaseFolding.h"

#include "core/Utf8.h"

namespace mvf::casefold {

char32_t fold(char32_t c) {
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    if (c < 0x100)
        return (c >= 0xC0 && c <= 0xDE && c != 0xD7) ? c + 32 : c;
    if (c < 0x180) {
        if (c == 0x130)
            return 'i';
        if (c == 0x178)
            return 0xFF;
        // Latin Extended-A pairs capitals with the following small letter; the parity of the
        // capitals changes at the two places where the block skips a letter.
        const bool evenCapitals = (c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
        const bool oddCapitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if ((evenCapitals && c % 2 == 0) || (oddCapitals && c % 2 == 1))
            return c + 1;
        return c;
    }
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2)
        return c + 32;
    if (c >= 0x400 && c <= 0x40F)
        return c + 80;
    if (c >= 0x410 && c <= 0x42F)
        return c + 32;
    if (c >= 0x460 && c <= 0x4FF && c % 2 == 0 && !(c >= 0x482 && c <= 0x489) && !(c >= 0x4C0 && c <= 0x4CF))
        return c + 1;
    if (c >= 0x1E00 && c <= 0x1EFF && c % 2 == 0 && !(c >= 0x1E96 && c <= 0x1E9F))
        return c + 1;
    if (c >= 0xFF21 && c <= 0xFF3A)
        return c + 32;
    return c;
}

std::string fold(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();)
        utf8::append(out, fold(utf8::next(text, pos)));
    return out;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[j]);
        if (ca < 0x80 && cb < 0x80) {
            if (fold(ca) != fold(cb))
                return false;
            ++i;
            ++j;
            continue;
        }
        if (fold(utf8::next(a, i)) != fold(utf8::next(b, j)))
            return false;
    }
    return i == a.size() && j == b.size();
}

std::uint64_t hashIgnoringCase(std::string_view text) {
    // FNV-1a over the folded characters.
    std::uint64_t h = 14695981039346656037ull;
    for (std::size_t pos = 0; pos < text.size();) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        char32_t c;
        if (byte < 0x80) {
            c = (byte >= 'A' && byte <= 'Z') ? byte + 32 : byte;
            ++pos;
        } else {
            c = fold(utf8::next(text, pos));
        }
        h = (h ^ static_cast<std::uint64_t>(c)) * 1099511628211ull;
    }
    return h;
}

} // namespace mvf::casefold
