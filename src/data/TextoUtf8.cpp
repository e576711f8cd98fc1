#include "data/TextoUtf8.h"

namespace mvf {

namespace {

void append(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char32_t upper(char32_t cp) {
    if (cp >= 'a' && cp <= 'z')
        return cp - 32;
    if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7)
        return cp - 32;
    if (cp == 0xFF)
        return 0x178;
    // Latin Extended-A pairs capital/small on even/odd code points in these ranges.
    if ((cp >= 0x100 && cp <= 0x137) || (cp >= 0x14A && cp <= 0x177))
        return (cp & 1) ? cp - 1 : cp;
    if ((cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E))
        return (cp & 1) ? cp : cp - 1;
    return cp;
}

} // namespace

std::string MaiusculasUtf8(const std::string& texto) {
    std::string out;
    out.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size();) {
        unsigned char c = static_cast<unsigned char>(texto[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        bool valid = extra >= 0 && i + extra < texto.size();
        char32_t cp = valid ? (extra == 0 ? c : c & (0x3F >> extra)) : 0;
        for (int k = 1; valid && k <= extra; ++k) {
            unsigned char b = static_cast<unsigned char>(texto[i + k]);
            valid = (b & 0xC0) == 0x80;
            cp = (cp << 6) | (b & 0x3F);
        }
        if (!valid) { // keep bytes that are not UTF-8 as they are
            out += texto[i++];
            continue;
        }
        append(out, upper(cp));
        i += extra + 1;
    }
    return out;
}

std::string AparaTexto(const std::string& texto) {
    std::size_t inicio = 0, fim = texto.size();
    while (inicio < fim && static_cast<unsigned char>(texto[inicio]) <= ' ')
        ++inicio;
    while (fim > inicio && static_cast<unsigned char>(texto[fim - 1]) <= ' ')
        --fim;
    return texto.substr(inicio, fim - inicio);
}

} // namespace mvf
