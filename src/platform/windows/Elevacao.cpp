#include "platform/Elevacao.h"

#include "platform/windows/PedidoElevacao.h"
#include "platform/windows/TextoLargo.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

// windows.h must come before shellapi.h.
#include <windows.h>

#include <shellapi.h>

namespace mvf {

namespace {

class Handle {
public:
    Handle() = default;
    ~Handle() {
        if (h_)
            CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE* endereco() { return &h_; }
    HANDLE get() const { return h_; }

private:
    HANDLE h_ = nullptr;
};

} // namespace

bool ExecutandoComoAdministrador() {
    Handle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.endereco()))
        return false;
    TOKEN_ELEVATION elevacao{};
    DWORD tamanho = 0;
    if (!GetTokenInformation(token.get(), TokenElevation, &elevacao, sizeof elevacao, &tamanho))
        return false;
    return elevacao.TokenIsElevated != 0;
}

void ReiniciarComoAdministrador() {
    std::wstring caminho(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, caminho.data(), static_cast<DWORD>(caminho.size()));
        if (n < caminho.size()) {
            caminho.resize(n);
            break;
        }
        caminho.resize(caminho.size() * 2);
    }
    SetLastError(ERROR_SUCCESS);
    HINSTANCE r = ShellExecuteW(nullptr, L"runas", caminho.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    const DWORD erro = GetLastError();
    const PedidoElevacao pedido = InterpretarPedidoElevacao(reinterpret_cast<INT_PTR>(r), erro);
    if (pedido == PedidoElevacao::Iniciado)
        std::exit(0);
    throw std::runtime_error(MensagemPedidoElevacao(pedido, MensagemDoSistema(erro)));
}

} // namespace mvf
