#pragma once

#include "scaleload/TCargaBal.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
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

// A plain item the record tests build on.
inline TCargaBalItem queijo() {
    TCargaBalItem item;
    item.Codigo = 42;
    item.Descricao = "QUEIJO MINAS";
    item.ValorVenda = Currency::fromTicks(399000);
    item.Validade = 15;
    return item;
}

// 1-based position and length, as in the record tables.
inline std::string campo(const std::string& linha, std::size_t pos, std::size_t len) {
    return linha.substr(pos - 1, len);
}

// One expected field of a record: 1-based position, length and text.
struct CampoEsperado {
    std::size_t pos;
    std::size_t len;
    std::string texto;
};

inline void expectCampos(const std::string& linha, std::initializer_list<CampoEsperado> campos) {
    for (const auto& c : campos)
        EXPECT_EQ(campo(linha, c.pos, c.len), c.texto) << "campo na posição " << c.pos;
}

} // namespace mvf::test
