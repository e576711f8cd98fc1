#pragma once

#include "scaleload/TCargaBal.h"
#include "support/TempDir.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace mvf::test {

// Runs a load into a fresh folder and reads back what it wrote.
struct CargaGerada {
    std::vector<std::string> nomes;           // file names in writing order
    std::map<std::string, std::string> bytes; // file name -> content as written

    // The lines of a file (CR LF removed), decoded back to UTF-8 is not needed: fixtures use ASCII.
    std::vector<std::string> linhas(const std::string& nome) const {
        std::vector<std::string> out;
        const auto it = bytes.find(nome);
        if (it == bytes.end())
            return out;
        const std::string& s = it->second;
        std::size_t start = 0;
        while (start < s.size()) {
            const std::size_t end = s.find("\r\n", start);
            out.push_back(s.substr(start, end - start));
            if (end == std::string::npos)
                break;
            start = end + 2;
        }
        return out;
    }
};

inline CargaGerada gerarCarga(TCargaBal& carga) {
    TempDir dir;
    carga.GerarArquivos(dir.path().string());
    CargaGerada g;
    for (const auto& caminho : carga.ArquivosGerados()) {
        const std::string nome = std::filesystem::path(caminho).filename().string();
        g.nomes.push_back(nome);
        g.bytes[nome] = readFile(caminho);
    }
    return g;
}

// 1-based position and length, as in the record tables.
inline std::string campo(const std::string& linha, std::size_t pos, std::size_t len) {
    return linha.substr(pos - 1, len);
}

} // namespace mvf::test
