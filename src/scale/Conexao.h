#pragma once

#include "scale/ConfiguracaoPorta.h"

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>

namespace mvf {

// A failure of the port: it cannot be opened, the link broke, or nothing arrived in time.
class EDispositivo : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One open link to a scale: a serial port or a socket. Reads never block longer than asked.
class Conexao {
public:
    virtual ~Conexao() = default;
    virtual void Enviar(const std::string& bytes) = 0;
    // The bytes waiting now, possibly none; raises when the link is broken or closed.
    virtual std::string LerDisponivel() = 0;
    // Waits up to the given milliseconds for input; true when some is waiting.
    virtual bool EsperarDados(int milissegundos) = 0;
    virtual std::size_t BytesDisponiveis() = 0;
    virtual void DescartarEntrada() = 0;
    virtual bool Serial() const { return false; }
};

// What a port text names.
enum class TipoPorta { Serial, Tcp, Paralela, Raw, Usb, Bluetooth, Desconhecida };

struct DescricaoPorta {
    TipoPorta Tipo = TipoPorta::Desconhecida;
    std::string Caminho; // serial device, or the host of a TCP port
    int PortaTcp = 9100;
};

DescricaoPorta AnalisarPorta(const std::string& porta);

// Opens the serial port or the socket that the description names (one implementation per OS).
std::unique_ptr<Conexao> AbrirConexaoSerial(const std::string& nome, const std::string& caminho,
                                            const ConfiguracaoSerial& config);
std::unique_ptr<Conexao> AbrirConexaoTcp(const std::string& host, int porta, int timeoutMs);

} // namespace mvf
