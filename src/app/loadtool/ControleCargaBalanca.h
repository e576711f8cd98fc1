#pragma once

#include "app/loadtool/ConfiguracaoBalanca.h"
#include "app/loadtool/GeracaoCarga.h"
#include "app/loadtool/ProcessadorProdutosBalanca.h"
#include "app/loadtool/RelogioMonitor.h"
#include "app/loadtool/ServicosCarga.h"

#include <QObject>
#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>

namespace mvf {

class T_frmFerramentasMv;
class Trabalhadores;

// The window's scale-load part: the settings file and its pages, "Gerar arquivo", the load
// page's "Salvar" with the log-on task, the folder chooser and the monitor. Lives as a child of
// the window; De() finds or creates it.
class ControleCargaBalanca : public QObject {
    Q_OBJECT
public:
    // The data operations of the load runs for a window; set once by the program (tests set a
    // stand-in). Without one, every run fails with a message.
    using FabricaServicos = std::function<std::unique_ptr<ServicosCarga>(T_frmFerramentasMv&)>;
    static void DefinirFabricaServicos(FabricaServicos fabrica);
    // The clock of monitors started from now on (tests).
    static void DefinirRelogioMonitor(std::shared_ptr<RelogioMonitor> relogio);
    // Creates the integrated-scale module when balanca.ini switches it on.
    static void DefinirCriacaoLePeso(std::function<void()> criar);

    static ControleCargaBalanca& De(T_frmFerramentasMv& janela);

    explicit ControleCargaBalanca(T_frmFerramentasMv& janela);
    ~ControleCargaBalanca() override;

    ConfiguracaoBalanca& Configuracao() { return configuracao_; }
    static std::filesystem::path PastaDoPrograma();

    void CarregarConfiguracao();
    void GravarConfiguracao();
    void GravarDataUltimaCarga() { configuracao_.GravarDataUltimaCarga(); }
    void PreencherModelosCarga() { configuracao_.PreencherModelosCarga(); }

    // "Gerar arquivo". Errors before the load is built are raised (the button shows them).
    void _btnGerarGargaClick();
    // The load page's "Salvar": monitor stopped, elevation, log-on task, settings, monitor again.
    void _btn1Click();
    void _btnConfirmado4Click();
    // The folder chooser; `escolher` stands in for the dialog (tests).
    void _edtDiretorioPropertiesButtonClick();
    std::function<QString()> EscolherPasta;

    void IniciarMonitor();
    void PararMonitor();
    ProcessadorProdutosBalanca& Processador() { return *processador_; }
    bool LePesoCriado() const { return lePesoCriado_; }

private:
    void gerarPeloBotao();

    T_frmFerramentasMv& janela_;
    ConfiguracaoBalanca configuracao_;
    std::unique_ptr<ServicosCarga> servicos_;
    std::unique_ptr<GeracaoCarga> geracao_;
    std::unique_ptr<Trabalhadores> trabalhadores_;
    std::unique_ptr<ProcessadorProdutosBalanca> processador_;
    bool lePesoCriado_ = false;
    std::atomic<bool> encerrando_{false};
    // Set while "Salvar" stops the monitor: a run handed over meanwhile would reload balanca.ini into
    // the page and overwrite what the user is saving.
    std::atomic<bool> salvando_{false};
};

} // namespace mvf
