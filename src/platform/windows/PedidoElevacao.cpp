#include "platform/windows/PedidoElevacao.h"

#include <windows.h>

namespace mvf {

PedidoElevacao InterpretarPedidoElevacao(std::intptr_t retornoShellExecute, unsigned long ultimoErro) {
    // ShellExecute reports success with a value above 32; a refused prompt leaves ERROR_CANCELLED.
    if (retornoShellExecute > 32)
        return PedidoElevacao::Iniciado;
    if (ultimoErro == ERROR_CANCELLED)
        return PedidoElevacao::NegadoPeloUsuario;
    return PedidoElevacao::Falhou;
}

std::string MensagemPedidoElevacao(PedidoElevacao pedido, const std::string& mensagemDoSistema) {
    switch (pedido) {
    case PedidoElevacao::Iniciado:
        return {};
    case PedidoElevacao::NegadoPeloUsuario:
        return "Permissões administrativas foram negadas pelo usuário.";
    case PedidoElevacao::Falhou:
        break;
    }
    return "Erro ao solicitar permissões administrativas: " + mensagemDoSistema;
}

} // namespace mvf
