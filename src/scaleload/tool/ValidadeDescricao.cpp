#include "scaleload/tool/ValidadeDescricao.h"

#include "core/IntegerSyntax.h"

#include <vector>

namespace mvf {

namespace {

bool separates(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

bool startsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (upper(text[i]) != upper(prefix[i]))
            return false;
    return true;
}

// Words at runs of blanks and control characters; a word that opens with a double quote runs
// to its closing quote (two quotes inside stand for one).
std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (true) {
        while (i < text.size() && separates(text[i]))
            ++i;
        if (i >= text.size())
            break;
        std::string word;
        if (text[i] == '"') {
            ++i;
            while (i < text.size()) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        word += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                word += text[i++];
            }
        }
        while (i < text.size() && !separates(text[i]))
            word += text[i++];
        out.push_back(std::move(word));
    }
    return out;
}

} // namespace

int ExtrairDiasValidade(const std::string& descricao) {
    std::vector<std::string> all = words(descricao);
    if (all.empty())
        return 0;
    const std::string& last = all.back();
    if (!startsWithIgnoringCase(last, "VC"))
        return 0;
    return parseIntegerSyntax(std::string_view(last).substr(2)).value_or(0);
}

std::string RetirarValidadeDescricao(std::string& descricao, const std::string& prefixo) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t blank = descricao.find(' ', start);
        if (blank == std::string::npos) {
            parts.push_back(descricao.substr(start));
            break;
        }
        parts.push_back(descricao.substr(start, blank - start));
        start = blank + 1;
    }
    if (!startsWithIgnoringCase(parts.back(), prefixo))
        return {};
    std::string removed = parts.back();
    parts.pop_back();
    std::string joined;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            joined += ' ';
        joined += parts[i];
    }
    descricao = joined;
    return removed;
}

} // namespace mvf
