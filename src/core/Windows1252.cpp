#include "core/Windows1252.h"

#include "core/Utf8.h"

namespace mvf::windows1252 {

namespace {

// Characters of bytes 0x80 to 0x9F; 0 marks the five bytes the code page leaves unassigned.
constexpr char32_t kHighBlock[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

char encode(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    if (c >= 0x100) {
        for (int i = 0; i < 32; ++i)
            if (kHighBlock[i] == c)
                return static_cast<char>(0x80 + i);
    }
    return '?';
}

void append(std::string& out, std::string_view utf8) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[pos]);
        if (byte < 0x80) {
            // Runs of plain ASCII are the common case; copy them whole.
            std::size_t end = pos + 1;
            while (end < utf8.size() && static_cast<unsigned char>(utf8[end]) < 0x80)
                ++end;
            out.append(utf8.substr(pos, end - pos));
            pos = end;
            continue;
        }
        out += encode(utf8::next(utf8, pos));
    }
}

std::string fromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    append(out, utf8);
    return out;
}

std::string toUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char b : bytes) {
        if (b >= 0x80 && b < 0xA0) {
            const char32_t c = kHighBlock[b - 0x80];
            utf8::append(out, c ? c : 0xFFFD);
        } else {
            utf8::append(out, b);
        }
    }
    return out;
}

} // namespace mvf::windows1252
