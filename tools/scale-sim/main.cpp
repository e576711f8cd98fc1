// scale-sim: a scale of a chosen model on a TCP port or a pseudo-terminal.
#include "ServidorSimulador.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::atomic<bool> parar{false};

void aoSinal(int) {
    parar = true;
}

void pronto(const std::string& endereco) {
    std::cout << endereco << std::endl;
}

void uso() {
    std::cerr
        << "uso: scale-sim --modelo M (--tcp HOST:PORTA | --pty) [--peso KG] [--sequencia PASSOS]\n"
           "                [--atraso MS] [--intervalo MS] [--decimal C]\n"
           "  M: número (0 a 38) ou nome do modelo (balToledo)\n"
           "  PASSOS: separados por \";\": um peso (1.250), instavel, negativo, sobrecarga, silencio,\n"
           "          lixo; \"/partido\" envia a resposta em dois pacotes. O último passo se repete.\n"
           "  --tcp com PORTA 0 escolhe uma porta livre; o endereço (ou o caminho do pty) sai na saída.\n";
}

} // namespace

int main(int argc, char** argv) {
    using namespace mvf;
    sim::Configuracao config;
    std::string tcp;
    bool pty = false;
    std::string peso = "1.250";
    std::string sequencia;
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string a = argv[i];
            auto valor = [&]() -> std::string {
                if (i + 1 >= argc)
                    throw std::invalid_argument("falta o valor de " + a);
                return argv[++i];
            };
            if (a == "--modelo") {
                auto m = ModeloPorTexto(valor());
                if (!m)
                    throw std::invalid_argument("modelo desconhecido");
                config.modelo = *m;
            } else if (a == "--tcp") {
                tcp = valor();
            } else if (a == "--pty") {
                pty = true;
            } else if (a == "--peso") {
                peso = valor();
            } else if (a == "--sequencia") {
                sequencia = valor();
            } else if (a == "--atraso") {
                config.atrasoMs = std::stoi(valor());
            } else if (a == "--intervalo") {
                config.intervaloMs = std::stoi(valor());
            } else if (a == "--decimal") {
                config.decimal = valor().at(0);
            } else if (a == "--help" || a == "-h") {
                uso();
                return 0;
            } else {
                throw std::invalid_argument("opção desconhecida: " + a);
            }
        }
        config.passos = sim::LerSequencia(sequencia.empty() ? peso : sequencia);
        if (tcp.empty() == !pty)
            throw std::invalid_argument("escolha --tcp HOST:PORTA ou --pty");
    } catch (const std::exception& e) {
        std::cerr << "scale-sim: " << e.what() << "\n";
        uso();
        return 2;
    }
    std::signal(SIGINT, aoSinal);
    std::signal(SIGTERM, aoSinal);
    std::signal(SIGPIPE, SIG_IGN);
    if (pty)
        return sim::ServirPty(config, pronto, parar);
    const auto doisPontos = tcp.rfind(':');
    if (doisPontos == std::string::npos) {
        std::cerr << "scale-sim: use --tcp HOST:PORTA\n";
        return 2;
    }
    return sim::ServirTcp(config, tcp.substr(0, doisPontos), std::stoi(tcp.substr(doisPontos + 1)), pronto,
                          parar);
}
