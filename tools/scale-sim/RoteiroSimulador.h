#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace mvf::sim {

// One answer of the simulated scale.
struct Passo {
    enum class Tipo { Peso, Instavel, Negativo, Sobrecarga, Silencio, Lixo };
    Tipo tipo = Tipo::Peso;
    double peso = 0;
    bool partido = false; // the frame goes out in two packets
};

// "1.250", "instavel", "negativo", "sobrecarga", "silencio", "lixo", each optionally followed
// by "/partido". Raises std::invalid_argument for anything else.
Passo LerPasso(const std::string& texto);
// Steps separated by ";".
std::vector<Passo> LerSequencia(const std::string& texto);

// Hands out the steps one answer at a time; the last one repeats.
class Roteiro {
public:
    explicit Roteiro(std::vector<Passo> passos) : fPassos(std::move(passos)) {}
    const Passo& Proximo();

private:
    std::vector<Passo> fPassos;
    std::size_t fIndice = 0;
};

} // namespace mvf::sim
