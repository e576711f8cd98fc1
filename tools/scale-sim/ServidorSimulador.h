#pragma once

#include "RespostasModelo.h"
#include "RoteiroSimulador.h"

#include <atomic>
#include <string>

namespace mvf::sim {

struct Configuracao {
    TBalancaModelo modelo = TBalancaModelo::balToledo;
    std::vector<Passo> passos;
    int atrasoMs = 0;        // before each answer
    int intervaloMs = 100;   // between the frames of a scale that transmits on its own
    int pausaPartidoMs = 30; // between the two packets of a split frame
    char decimal = ',';
};

// Listens on host:port (port 0 picks a free one) and calls pronto with "TCP:host:port".
int ServirTcp(const Configuracao& config, const std::string& host, int porta,
              void (*pronto)(const std::string&), std::atomic<bool>& parar);
// Opens a pseudo-terminal and calls pronto with the path of its serial side.
int ServirPty(const Configuracao& config, void (*pronto)(const std::string&), std::atomic<bool>& parar);

} // namespace mvf::sim
