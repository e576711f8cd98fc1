#pragma once

#include "app/loadtool/ServicosCarga.h"

#include <atomic>
#include <functional>
#include <optional>
#include <string>

namespace mvf {

// How the product runs reach threads and the pages.
struct AmbienteProdutosBalanca {
    // Starts the body on a new worker thread; the completion handler runs on the UI thread with
    // the body's error message, if any. The handler is attached before the thread starts.
    std::function<void(std::function<void()> corpo,
                       std::function<void(const std::optional<std::string>& erro)> aoConcluir)>
        IniciarTrabalhador;
    // Runs a step on the UI thread and waits for it; the step's exception comes back.
    std::function<void(const std::function<void()>& passo)> ExecutarNaUi;
    // The generation run of "Gerar arquivo" (UI thread).
    std::function<void()> GerarCarga;
    // Shows the last synchronisation on the synchronisation page and the load view (UI thread).
    std::function<void(const std::string& texto)> MostrarUltimaSincronia;
    // Appends a line to the log page (UI thread).
    std::function<void(const std::string& linha)> RegistrarLog;
    // Shows the busy mark as the monitor switch's hint; called from any thread.
    std::function<void(const std::string& marca)> MostrarMarca;
};

// The monitor's product run (ProcessarProdutoApiBalanca): at most one at a time, marked
// "processando" while under way. The worker logs in with the stored user, synchronises the
// products and, when the ERP returned products, has the UI thread generate the load.
class ProcessadorProdutosBalanca {
public:
    static constexpr const char* kMarcaOcupado = "processando";

    ProcessadorProdutosBalanca(ServicosCarga& servicos, AmbienteProdutosBalanca ambiente);

    // Starts one run unless one is under way; returns at once (any thread). True when started.
    bool ProcessarProdutoApiBalanca();
    bool Ocupado() const { return ocupado_.load(); }
    std::string Marca() const { return Ocupado() ? kMarcaOcupado : ""; }

private:
    void corpo();
    void aoConcluir(const std::optional<std::string>& erro);

    ServicosCarga& servicos_;
    AmbienteProdutosBalanca ambiente_;
    std::atomic<bool> ocupado_{false};
};

} // namespace mvf
