#pragma once

#include "core/IniFile.h"

#include <filesystem>
#include <functional>

namespace mvf {

class PaginaBalancaIntegrada;
class PaginaConfBal;

// balanca.ini and the two settings pages that mirror it (section CONFIG: the load page; section
// BALANCA: the integrated-scale page). The file is read and written whole at each operation.
class ConfiguracaoBalanca {
public:
    ConfiguracaoBalanca(std::filesystem::path arquivo, PaginaConfBal& carga, PaginaBalancaIntegrada& balanca);

    const std::filesystem::path& Arquivo() const { return arquivo_; }

    // Reads the file into the pages, each key defaulting to the control's current value; creates
    // the file with the four load keys on first run. Afterwards `iniciarMonitor` runs when the
    // monitor switch is on, and `criarLePeso` when the integrated scale is switched on (both are
    // asked to do nothing when their object already exists).
    void CarregarConfiguracao(const std::function<void()>& iniciarMonitor,
                              const std::function<void()>& criarLePeso);
    // Writes every key of both pages but CONFIG/DATA in one replacement of the file. Raises
    // FileWriteError naming the file when the system refuses.
    void GravarConfiguracao();
    // CONFIG/DATA = now, as date-time text.
    void GravarDataUltimaCarga();
    // The 11 load model names in model-number order, when the list has no selection.
    void PreencherModelosCarga();

private:
    std::filesystem::path arquivo_;
    PaginaConfBal& carga_;
    PaginaBalancaIntegrada& balanca_;
};

} // namespace mvf
