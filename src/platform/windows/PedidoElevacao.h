#pragma once

#include <cstdint>
#include <string>

namespace mvf {

// What a "runas" relaunch request came to, read from ShellExecute's result and the error it left.
// Apart from the call itself, so the decision can be checked where no elevation prompt exists.
enum class PedidoElevacao { Iniciado, NegadoPeloUsuario, Falhou };

PedidoElevacao InterpretarPedidoElevacao(std::intptr_t retornoShellExecute, unsigned long ultimoErro);

// The user's message for a request that did not start the program (empty for Iniciado).
std::string MensagemPedidoElevacao(PedidoElevacao pedido, const std::string& mensagemDoSistema);

} // namespace mvf
