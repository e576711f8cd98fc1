#include "RoteiroSimulador.h"

#include <charconv>
#include <stdexcept>

namespace mvf::sim {

Passo LerPasso(const std::string& texto) {
    Passo p;
    std::string t = texto;
    if (auto barra = t.find('/'); barra != std::string::npos) {
        if (t.substr(barra + 1) != "partido")
            throw std::invalid_argument("passo desconhecido: " + texto);
        p.partido = true;
        t.resize(barra);
    }
    if (t == "instavel")
        p.tipo = Passo::Tipo::Instavel;
    else if (t == "negativo")
        p.tipo = Passo::Tipo::Negativo;
    else if (t == "sobrecarga")
        p.tipo = Passo::Tipo::Sobrecarga;
    else if (t == "silencio")
        p.tipo = Passo::Tipo::Silencio;
    else if (t == "lixo")
        p.tipo = Passo::Tipo::Lixo;
    else {
        for (char& c : t)
            if (c == ',')
                c = '.';
        double v = 0;
        auto [fim, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
        if (t.empty() || ec != std::errc() || fim != t.data() + t.size() || v < 0)
            throw std::invalid_argument("passo desconhecido: " + texto);
        p.tipo = Passo::Tipo::Peso;
        p.peso = v;
    }
    return p;
}

std::vector<Passo> LerSequencia(const std::string& texto) {
    std::vector<Passo> passos;
    std::size_t inicio = 0;
    while (inicio <= texto.size()) {
        auto fim = texto.find(';', inicio);
        if (fim == std::string::npos)
            fim = texto.size();
        const std::string item = texto.substr(inicio, fim - inicio);
        if (!item.empty())
            passos.push_back(LerPasso(item));
        inicio = fim + 1;
    }
    if (passos.empty())
        throw std::invalid_argument("sequência vazia");
    return passos;
}

const Passo& Roteiro::Proximo() {
    const Passo& p = fPassos[fIndice < fPassos.size() ? fIndice : fPassos.size() - 1];
    if (fIndice < fPassos.size())
        ++fIndice;
    return p;
}

} // namespace mvf::sim
