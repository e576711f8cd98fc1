#pragma once

#include "app/MsgBoxTypes.h"
#include "app/loadtool/ServicosCarga.h"
#include "scaleload/TCargaBal.h"

#include <functional>
#include <string>

namespace mvf {

// The load page as the generation run sees it (UI thread).
struct PaginaCargaGeracao {
    // Reloads balanca.ini into the pages.
    std::function<void()> CarregarConfiguracao;
    // The list index of the load model, the folder text as typed and the code-field index.
    std::function<int()> Modelo;
    std::function<std::string()> Diretorio;
    std::function<int()> Campo;
    std::function<void()> GravarDataUltimaCarga;
    std::function<void(MsgBoxTypes tipo, const std::string& texto)> Aviso;
};

// One generation run of "Gerar arquivo" (_btnGerarGargaClick): settings, login, products,
// folder check, product query, items, files, Ramuza adjustment, last-load time. Errors before
// the items are built reach the caller; errors from there on are shown as a notice.
class GeracaoCarga {
public:
    GeracaoCarga(TCargaBal& carga, ServicosCarga& servicos, PaginaCargaGeracao pagina);

    // False, doing nothing, when a run is already under way (the writer's progress lets other
    // handlers run in between). True when the run went through to its end, shown errors included.
    bool Executar();
    bool EmExecucao() const { return emExecucao_; }

private:
    void executar();

    TCargaBal& carga_;
    ServicosCarga& servicos_;
    PaginaCargaGeracao pagina_;
    bool emExecucao_ = false;
};

} // namespace mvf
