#include "scale/TextoResposta.h"

#include <cctype>

namespace mvf::texto {

std::string Copy(std::string_view s, int p, int n) {
    if (p < 1)
        p = 1;
    if (n <= 0 || p > static_cast<int>(s.size()))
        return {};
    return std::string(s.substr(static_cast<std::size_t>(p - 1), static_cast<std::size_t>(n)));
}

int Pos(std::string_view sub, std::string_view s, int from) {
    if (from < 1)
        from = 1;
    if (sub.empty() || from > static_cast<int>(s.size()))
        return 0;
    auto found = s.find(sub, static_cast<std::size_t>(from - 1));
    return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

int PosUltimo(std::string_view sub, std::string_view s) {
    if (sub.empty())
        return 0;
    auto found = s.rfind(sub);
    return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

char Em(std::string_view s, int p) {
    if (p < 1 || p > static_cast<int>(s.size()))
        return '\0';
    return s[static_cast<std::size_t>(p - 1)];
}

int Tamanho(std::string_view s) {
    return static_cast<int>(s.size());
}

std::string Trim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ')
        --e;
    return std::string(s.substr(b, e - b));
}

std::string Substituir(std::string_view s, std::string_view de, std::string_view para) {
    if (de.empty())
        return std::string(s);
    std::string out;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s.compare(i, de.size(), de) == 0) {
            out += para;
            i += de.size();
        } else {
            out += s[i++];
        }
    }
    return out;
}

std::string Remover(std::string_view s, std::string_view trecho) {
    return Substituir(s, trecho, "");
}

std::string Maiusculas(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string Minusculas(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool ComecaCom(std::string_view s, std::string_view prefixo) {
    return s.substr(0, prefixo.size()) == prefixo;
}

bool IguaisSemCaixa(std::string_view a, std::string_view b) {
    return Minusculas(a) == Minusculas(b);
}

} // namespace mvf::texto
