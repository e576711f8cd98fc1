#include "app/loadtool/ProcessadorProdutosBalanca.h"

#include <exception>
#include <stdexcept>

namespace mvf {

ProcessadorProdutosBalanca::ProcessadorProdutosBalanca(ServicosCarga& servicos,
                                                       AmbienteProdutosBalanca ambiente)
    : servicos_(servicos), ambiente_(std::move(ambiente)) {}

bool ProcessadorProdutosBalanca::ProcessarProdutoApiBalanca() {
    bool livre = false;
    if (!ocupado_.compare_exchange_strong(livre, true))
        return false;
    if (ambiente_.MostrarMarca)
        ambiente_.MostrarMarca(kMarcaOcupado);
    try {
        ambiente_.IniciarTrabalhador([this] { corpo(); },
                                     [this](const std::optional<std::string>& erro) { aoConcluir(erro); });
    } catch (...) {
        // No worker, no completion: the mark must not stay set for ever.
        ocupado_.store(false);
        if (ambiente_.MostrarMarca)
            ambiente_.MostrarMarca("");
        throw;
    }
    return true;
}

void ProcessadorProdutosBalanca::corpo() {
    servicos_.ZerarTagStatus();
    if (!servicos_.UsuarioCarregado())
        servicos_.paramentrosInicias();
    std::string erro;
    if (!servicos_.RetornaUsuario(erro))
        throw std::runtime_error(erro);
    if (!servicos_.GetDadosProdutos(erro))
        throw std::runtime_error(erro);
    servicos_.StatusdConfiguracaoInicial("false");
    if (servicos_.TagStatus() > 0) {
        ambiente_.ExecutarNaUi([this] {
            ambiente_.GerarCarga();
            std::string ignorado;
            servicos_.PostUltimaSincronia(ignorado);
            if (ambiente_.MostrarUltimaSincronia)
                ambiente_.MostrarUltimaSincronia(servicos_.GetUltimaSincronia());
        });
    }
}

void ProcessadorProdutosBalanca::aoConcluir(const std::optional<std::string>& erro) {
    ocupado_.store(false);
    if (ambiente_.MostrarMarca)
        ambiente_.MostrarMarca("");
    servicos_.LimparStatus();
    if (erro && ambiente_.RegistrarLog)
        ambiente_.RegistrarLog(*erro);
}

} // namespace mvf
