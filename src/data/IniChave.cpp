#include "data/IniChave.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace mvf {

namespace {

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string trim(const std::string& text) {
    auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

} // namespace

void GravarChaveIni(const std::filesystem::path& arquivo, const std::string& secao, const std::string& chave,
                    const std::string& valor) {
    std::vector<std::string> lines;
    if (std::ifstream in{arquivo, std::ios::binary}) {
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
        }
    }
    const std::string wantedSection = upper(secao);
    const std::string wantedKey = upper(chave);
    const std::string entry = chave + "=" + valor;
    bool inSection = false;
    std::ptrdiff_t sectionEnd = -1;
    bool written = false;
    for (std::size_t i = 0; i < lines.size() && !written; ++i) {
        std::string t = trim(lines[i]);
        if (!t.empty() && t.front() == '[') {
            if (inSection)
                break;
            inSection = t.back() == ']' && upper(trim(t.substr(1, t.size() - 2))) == wantedSection;
            if (inSection)
                sectionEnd = static_cast<std::ptrdiff_t>(i) + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (!t.empty())
            sectionEnd = static_cast<std::ptrdiff_t>(i) + 1;
        auto eq = t.find('=');
        if (eq != std::string::npos && upper(trim(t.substr(0, eq))) == wantedKey) {
            lines[i] = entry;
            written = true;
        }
    }
    if (!written) {
        if (sectionEnd < 0) {
            if (!lines.empty() && !trim(lines.back()).empty())
                lines.emplace_back();
            lines.push_back("[" + secao + "]");
            lines.push_back(entry);
        } else {
            lines.insert(lines.begin() + sectionEnd, entry);
        }
    }
    std::ostringstream text;
    for (const auto& line : lines)
        text << line << "\r\n";

    auto temporary = arquivo;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text.str();
        out.close();
        if (!out)
            throw std::runtime_error("Não foi possível gravar o arquivo " + arquivo.string());
    }
    std::error_code ec;
    std::filesystem::rename(temporary, arquivo, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        throw std::runtime_error("Não foi possível gravar o arquivo " + arquivo.string());
    }
}

} // namespace mvf
