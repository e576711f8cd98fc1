#include "data/SqlTexto.h"

namespace mvf {

std::string QuotedStr(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '\'';
    for (char c : text) {
        if (c == '\'')
            out += '\'';
        out += c;
    }
    out += '\'';
    return out;
}

} // namespace mvf
