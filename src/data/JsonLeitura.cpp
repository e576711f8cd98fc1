#include "data/JsonLeitura.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace mvf {

namespace json_leitura {

namespace {

const nlohmann::json* achar(const nlohmann::json& obj, const char* membro) {
    auto it = obj.find(membro);
    if (it == obj.end() || it->is_null())
        return nullptr;
    return &*it;
}

[[noreturn]] void faltando(const char* membro) {
    throw JsonErro(std::string("Membro \"") + membro + "\" não encontrado na resposta do servidor");
}

[[noreturn]] void tipoErrado(const char* membro, const char* tipo) {
    throw JsonErro(std::string("Membro \"") + membro + "\" da resposta do servidor não é " + tipo);
}

std::string comoTexto(const nlohmann::json& v, const char* membro) {
    if (v.is_string())
        return v.get<std::string>();
    if (v.is_number() || v.is_boolean())
        return v.dump();
    tipoErrado(membro, "um texto");
}

std::int64_t comoInteiro(const nlohmann::json& v, const char* membro) {
    if (v.is_number_integer())
        return v.get<std::int64_t>();
    if (v.is_number_unsigned()) {
        auto u = v.get<std::uint64_t>();
        if (u <= static_cast<std::uint64_t>(INT64_MAX))
            return static_cast<std::int64_t>(u);
    }
    if (v.is_number_float()) {
        double d = v.get<double>();
        if (std::floor(d) == d && std::fabs(d) < 9.2e18)
            return static_cast<std::int64_t>(d);
    }
    if (v.is_string()) {
        const std::string s = v.get<std::string>();
        char* end = nullptr;
        long long n = std::strtoll(s.c_str(), &end, 10);
        if (!s.empty() && end && *end == '\0')
            return n;
    }
    tipoErrado(membro, "um número inteiro");
}

double comoReal(const nlohmann::json& v, const char* membro) {
    if (v.is_number())
        return v.get<double>();
    if (v.is_string()) {
        const std::string s = v.get<std::string>();
        char* end = nullptr;
        double d = std::strtod(s.c_str(), &end);
        if (!s.empty() && end && *end == '\0' && std::isfinite(d))
            return d;
    }
    tipoErrado(membro, "um número");
}

bool comoBooleano(const nlohmann::json& v, const char* membro) {
    if (v.is_boolean())
        return v.get<bool>();
    if (v.is_string()) {
        std::string s = v.get<std::string>();
        for (char& c : s)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (s == "true")
            return true;
        if (s == "false")
            return false;
    }
    tipoErrado(membro, "verdadeiro ou falso");
}

} // namespace

nlohmann::json analisar(const std::string& corpo) {
    try {
        return nlohmann::json::parse(corpo);
    } catch (const nlohmann::json::parse_error& e) {
        throw JsonErro("Resposta do servidor não é um JSON válido (erro no caractere " +
                       std::to_string(e.byte) + ")");
    }
}

const nlohmann::json& objeto(const nlohmann::json& valor, const char* oQue) {
    if (!valor.is_object())
        throw JsonErro(std::string(oQue) + " não é um objeto JSON");
    return valor;
}

std::string texto(const nlohmann::json& obj, const char* membro) {
    if (auto* v = achar(obj, membro))
        return comoTexto(*v, membro);
    faltando(membro);
}

std::string texto(const nlohmann::json& obj, const char* membro, const std::string& padrao) {
    auto* v = achar(obj, membro);
    return v ? comoTexto(*v, membro) : padrao;
}

std::int64_t inteiro(const nlohmann::json& obj, const char* membro) {
    if (auto* v = achar(obj, membro))
        return comoInteiro(*v, membro);
    faltando(membro);
}

std::int64_t inteiro(const nlohmann::json& obj, const char* membro, std::int64_t padrao) {
    auto* v = achar(obj, membro);
    return v ? comoInteiro(*v, membro) : padrao;
}

double real(const nlohmann::json& obj, const char* membro, double padrao) {
    auto* v = achar(obj, membro);
    return v ? comoReal(*v, membro) : padrao;
}

bool booleano(const nlohmann::json& obj, const char* membro) {
    if (auto* v = achar(obj, membro))
        return comoBooleano(*v, membro);
    faltando(membro);
}

bool booleano(const nlohmann::json& obj, const char* membro, bool padrao) {
    auto* v = achar(obj, membro);
    return v ? comoBooleano(*v, membro) : padrao;
}

const nlohmann::json& lista(const nlohmann::json& obj, const char* membro) {
    auto* v = achar(obj, membro);
    if (!v)
        faltando(membro);
    if (!v->is_array())
        tipoErrado(membro, "uma lista");
    return *v;
}

} // namespace json_leitura

namespace {

void escapeUnit(std::string& out, unsigned unit) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04X", unit);
    out += buffer;
}

// Decodes one UTF-8 sequence at i; an invalid byte gives U+FFFD and moves on by one.
char32_t decode(const std::string& s, std::size_t& i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = byte(i);
    int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
    if (extra < 0) {
        ++i;
        return 0xFFFD;
    }
    char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        if (i + k >= s.size() || (byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    i += extra + 1;
    return cp;
}

void escapeString(std::string& out, const std::string& text) {
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = decode(text, i);
        if (cp == '"')
            out += "\\\"";
        else if (cp == '\\')
            out += "\\\\";
        else if (cp < 32 || (cp > 127 && cp < 0x10000))
            escapeUnit(out, static_cast<unsigned>(cp));
        else if (cp >= 0x10000) {
            char32_t v = cp - 0x10000;
            escapeUnit(out, static_cast<unsigned>(0xD800 + (v >> 10)));
            escapeUnit(out, static_cast<unsigned>(0xDC00 + (v & 0x3FF)));
        } else
            out += static_cast<char>(cp);
    }
    out += '"';
}

void write(std::string& out, const nlohmann::json& v) {
    switch (v.type()) {
    case nlohmann::json::value_t::string:
        escapeString(out, v.get_ref<const std::string&>());
        break;
    case nlohmann::json::value_t::array: {
        out += '[';
        bool first = true;
        for (const auto& e : v) {
            if (!first)
                out += ',';
            first = false;
            write(out, e);
        }
        out += ']';
        break;
    }
    case nlohmann::json::value_t::object: {
        out += '{';
        bool first = true;
        for (auto it = v.begin(); it != v.end(); ++it) {
            if (!first)
                out += ',';
            first = false;
            escapeString(out, it.key());
            out += ':';
            write(out, it.value());
        }
        out += '}';
        break;
    }
    default:
        out += v.dump();
    }
}

} // namespace

std::string JsonAscii(const nlohmann::json& valor) {
    std::string out;
    write(out, valor);
    return out;
}

std::string JsonObjetoDeTextos(const std::vector<std::pair<std::string, std::string>>& membros) {
    std::string out = "{";
    for (std::size_t i = 0; i < membros.size(); ++i) {
        if (i)
            out += ',';
        escapeString(out, membros[i].first);
        out += ':';
        escapeString(out, membros[i].second);
    }
    return out + "}";
}

} // namespace mvf
