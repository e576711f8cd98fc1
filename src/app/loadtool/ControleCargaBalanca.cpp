#include "app/loadtool/ControleCargaBalanca.h"

#include "app/TMensageAnimada.h"
#include "app/T_frmFerramentasMv.h"
#include "app/ThreadUi.h"
#include "app/Trabalhadores.h"
#include "app/loadtool/ServicosCargaDados.h"
#include "app/loadtool/TInternetCheckThread.h"
#include "app/pages/PaginaBalancaIntegrada.h"
#include "app/pages/PaginaConfBal.h"
#include "app/pages/PaginaLog.h"
#include "app/pages/PaginaSincronizacao.h"
#include "core/PathText.h"
#include "data/ProgramFolder.h"
#include "platform/TarefaLogon.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <exception>
#include <mutex>
#include <stdexcept>

namespace mvf {

namespace {

struct Ajustes {
    std::mutex mutex;
    ControleCargaBalanca::FabricaServicos fabrica;
    std::shared_ptr<RelogioMonitor> relogio;
    std::function<void()> criarLePeso;
};

Ajustes& ajustes() {
    static Ajustes a;
    return a;
}

// Stands in when the program has no data module: every run ends with the same message.
class ServicosIndisponiveis : public ServicosCarga {
public:
    [[noreturn]] static void falhar() { throw std::runtime_error("Banco de dados não disponível."); }
    void ZerarTagStatus() override {}
    int TagStatus() override { return 0; }
    void LimparStatus() override {}
    bool UsuarioCarregado() override { return false; }
    void paramentrosInicias() override {}
    bool RetornaUsuario(std::string&) override { falhar(); }
    bool GetDadosProdutos(std::string&) override { falhar(); }
    void StatusdConfiguracaoInicial(const std::string&) override { falhar(); }
    std::vector<ProdutoCarga> ConsultarProdutos(const std::string&, const std::string&) override { falhar(); }
    bool PostUltimaSincronia(std::string&) override { return false; }
    std::string GetUltimaSincronia() override { return {}; }
};

} // namespace

void ControleCargaBalanca::DefinirFabricaServicos(FabricaServicos fabrica) {
    std::lock_guard<std::mutex> lock(ajustes().mutex);
    ajustes().fabrica = std::move(fabrica);
}

void ControleCargaBalanca::DefinirRelogioMonitor(std::shared_ptr<RelogioMonitor> relogio) {
    std::lock_guard<std::mutex> lock(ajustes().mutex);
    ajustes().relogio = std::move(relogio);
}

void ControleCargaBalanca::DefinirCriacaoLePeso(std::function<void()> criar) {
    std::lock_guard<std::mutex> lock(ajustes().mutex);
    ajustes().criarLePeso = std::move(criar);
}

ControleCargaBalanca& ControleCargaBalanca::De(T_frmFerramentasMv& janela) {
    if (auto* existente = janela.findChild<ControleCargaBalanca*>(QString(), Qt::FindDirectChildrenOnly))
        return *existente;
    return *new ControleCargaBalanca(janela);
}

std::filesystem::path ControleCargaBalanca::PastaDoPrograma() {
    return programFolder();
}

ControleCargaBalanca::ControleCargaBalanca(T_frmFerramentasMv& janela)
    : QObject(&janela), janela_(janela),
      configuracao_(PastaDoPrograma() / "balanca.ini", *janela._abaConfBal, *janela._cxtabBalancaIntegrada),
      trabalhadores_(std::make_unique<Trabalhadores>()) {
    {
        std::lock_guard<std::mutex> lock(ajustes().mutex);
        if (ajustes().fabrica)
            servicos_ = ajustes().fabrica(janela);
    }
    if (!servicos_ && janela.Dados()) {
        ServicosCargaDados::Ligacoes ligacoes;
        ligacoes.paramentrosInicias = [&janela] { janela.paramentrosInicias(); };
        QLabel* status = janela._abaSincronizacao->_lblStatus;
        ligacoes.TextoStatus = [status](const std::string& texto) {
            QString q = QString::fromStdString(texto);
            QMetaObject::invokeMethod(
                status, [status, q] { status->setText(q); }, Qt::AutoConnection);
        };
        PaginaLog* log = janela._abaLog;
        ligacoes.LinhaLog = [log](const std::string& linha) { log->AdicionarLinha(linha); };
        servicos_ = std::make_unique<ServicosCargaDados>(*janela.Dados(), std::move(ligacoes));
    }
    if (!servicos_)
        servicos_ = std::make_unique<ServicosIndisponiveis>();

    PaginaConfBal& pagina = *janela._abaConfBal;
    PaginaCargaGeracao paginaGeracao;
    paginaGeracao.CarregarConfiguracao = [this] { CarregarConfiguracao(); };
    paginaGeracao.Modelo = [&pagina] { return pagina._cbbModelo->currentIndex(); };
    paginaGeracao.Diretorio = [&pagina] { return pagina._edtDiretorio->text().toStdString(); };
    paginaGeracao.Campo = [&pagina] { return pagina._cbbCampo->currentIndex(); };
    paginaGeracao.GravarDataUltimaCarga = [this] { GravarDataUltimaCarga(); };
    paginaGeracao.Aviso = [](MsgBoxTypes tipo, const std::string& texto) {
        TMensageAnimada::Show("", texto, tipo);
    };
    geracao_ = std::make_unique<GeracaoCarga>(pagina.CargaBal1, *servicos_, std::move(paginaGeracao));

    AmbienteProdutosBalanca ambiente;
    // The worker list belongs to the UI thread; the monitor thread hands the start over.
    ambiente.IniciarTrabalhador = [this](std::function<void()> corpo,
                                         std::function<void(const std::optional<std::string>&)> aoConcluir) {
        ExecutarNaThreadUi([&] { trabalhadores_->Iniciar(std::move(corpo), std::move(aoConcluir)); });
    };
    ambiente.ExecutarNaUi = [](const std::function<void()>& passo) { ExecutarNaThreadUi(passo); };
    ambiente.GerarCarga = [this] {
        if (!encerrando_.load() && !salvando_.load())
            _btnGerarGargaClick();
    };
    ambiente.MostrarUltimaSincronia = [this](const std::string& texto) {
        QString q = QString::fromStdString(texto);
        janela_._abaSincronizacao->_lblDataHoraSinc->setText(q);
        janela_._abaConfBal->_lblUltimaSincFrente->setText(q);
    };
    ambiente.RegistrarLog = [this](const std::string& linha) { janela_.AdicionarLog(linha); };
    ambiente.MostrarMarca = [&pagina](const std::string& marca) { pagina.MostrarMarca(marca); };
    processador_ = std::make_unique<ProcessadorProdutosBalanca>(*servicos_, std::move(ambiente));

    // Closing ends the program: runs still under way finish while every page exists.
    connect(&janela, &T_frmFerramentasMv::encerrada, this, [this] {
        encerrando_.store(true);
        trabalhadores_->AguardarTodos();
    });
    connect(&pagina, &PaginaConfBal::gerarArquivoClicado, this, &ControleCargaBalanca::gerarPeloBotao);
    connect(&pagina, &PaginaConfBal::salvarClicado, this, &ControleCargaBalanca::_btn1Click);
    connect(&pagina, &PaginaConfBal::escolherPastaClicado, this,
            &ControleCargaBalanca::_edtDiretorioPropertiesButtonClick);
    connect(janela._cxtabBalancaIntegrada, &PaginaBalancaIntegrada::salvarClicado, this,
            &ControleCargaBalanca::_btnConfirmado4Click);
}

ControleCargaBalanca::~ControleCargaBalanca() {
    // The window's members (the monitor among them) are gone by now; only the runs remain.
    encerrando_.store(true);
    trabalhadores_->AguardarTodos();
}

void ControleCargaBalanca::CarregarConfiguracao() {
    configuracao_.CarregarConfiguracao([this] { IniciarMonitor(); },
                                       [this] {
                                           if (lePesoCriado_)
                                               return;
                                           std::function<void()> criar;
                                           {
                                               std::lock_guard<std::mutex> lock(ajustes().mutex);
                                               criar = ajustes().criarLePeso;
                                           }
                                           if (criar)
                                               criar();
                                           lePesoCriado_ = true;
                                       });
}

void ControleCargaBalanca::GravarConfiguracao() {
    configuracao_.GravarConfiguracao();
    TMensageAnimada::Show("", "Gravado com sucesso!", MsgBoxTypes::mabtOk);
}

void ControleCargaBalanca::_btnGerarGargaClick() {
    QPushButton* botao = janela_._abaConfBal->_btn2;
    bool estava = botao->isEnabled();
    botao->setEnabled(false);
    struct Reabilitar {
        QPushButton* b;
        bool e;
        ~Reabilitar() { b->setEnabled(e); }
    } reabilitar{botao, estava};
    geracao_->Executar();
}

void ControleCargaBalanca::gerarPeloBotao() {
    try {
        _btnGerarGargaClick();
    } catch (const std::exception& e) {
        TMensageAnimada::Show("", e.what(), MsgBoxTypes::mabtErro);
    }
}

void ControleCargaBalanca::_btn1Click() {
    try {
        salvando_.store(true);
        PararMonitor();
        salvando_.store(false);
        if (!janela_.ExecutandoComoAdministrador()) {
            janela_.ReiniciarComoAdministrador();
            return;
        }
        void* dona = reinterpret_cast<void*>(janela_.winId());
        if (janela_._abaConfBal->_swtchIniciaWin->isChecked()) {
            std::string bat = pathToUtf8(TutilTarefas::CaminhoRunBat(PastaDoPrograma()));
            if (!TutilTarefas::CreateTarefas(kNomeTarefaLogon, bat, "", dona))
                TMensageAnimada::Show("", "Erro ao criar a tarefa!", MsgBoxTypes::mabtErro);
        } else {
            std::string erro;
            if (!TutilTarefas::DeleteTarefas(kNomeTarefaLogon, erro, dona))
                TMensageAnimada::Show("", "Erro ao remover a tarefa: " + erro, MsgBoxTypes::mabtErro);
        }
        GravarConfiguracao();
        if (janela_._abaConfBal->_swtchMonitorDeCarga->isChecked())
            IniciarMonitor();
    } catch (const std::exception& e) {
        salvando_.store(false);
        TMensageAnimada::Show("", std::string("Erro: ") + e.what(), MsgBoxTypes::mabtErro);
    }
}

void ControleCargaBalanca::_btnConfirmado4Click() {
    try {
        GravarConfiguracao();
    } catch (const std::exception& e) {
        TMensageAnimada::Show("", e.what(), MsgBoxTypes::mabtErro);
    }
}

void ControleCargaBalanca::_edtDiretorioPropertiesButtonClick() {
    QString pasta = EscolherPasta ? EscolherPasta()
                                  : QFileDialog::getExistingDirectory(
                                        &janela_, "Selecione o diretório onde serão gerados os arquivos:",
                                        janela_._abaConfBal->_edtDiretorio->text());
    if (pasta.isEmpty())
        return;
    janela_._abaConfBal->_edtDiretorio->setText(QDir::toNativeSeparators(pasta));
    try {
        GravarConfiguracao();
    } catch (const std::exception& e) {
        TMensageAnimada::Show("", e.what(), MsgBoxTypes::mabtErro);
    }
}

void ControleCargaBalanca::IniciarMonitor() {
    if (janela_.FInternetCheckThread)
        return;
    DependenciasMonitor dep;
    dep.ProcessarProdutoApiBalanca = [this] { processador_->ProcessarProdutoApiBalanca(); };
    // The monitor may outlive the window's own members (it is one of them): reach the page directly.
    PaginaConfBal* pagina = janela_._abaConfBal;
    dep.MostrarUltimaVerificacao = [pagina](const std::string& texto) {
        QString q = QString::fromStdString(texto);
        ExecutarNaThreadUi([pagina, q] { pagina->_lblUltimoMonitoramento->setText(q); });
    };
    dep.IntervaloMinutos = [pagina] { return pagina->IntervaloMonitor(); };
    PaginaLog* log = janela_._abaLog;
    dep.RegistrarErro = [log](const std::string& erro) { log->AdicionarLinha(erro); };
    dep.ServirUi = [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 10); };
    {
        std::lock_guard<std::mutex> lock(ajustes().mutex);
        if (ajustes().relogio)
            dep.Relogio = ajustes().relogio;
    }
    janela_.FInternetCheckThread = std::make_unique<TInternetCheckThread>(std::move(dep));
}

void ControleCargaBalanca::PararMonitor() {
    if (!janela_.FInternetCheckThread)
        return;
    janela_.FInternetCheckThread->Terminate();
    janela_.FInternetCheckThread->WaitFor();
    janela_.FInternetCheckThread.reset();
}

} // namespace mvf
