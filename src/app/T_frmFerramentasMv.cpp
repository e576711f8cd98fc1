#include "app/T_frmFerramentasMv.h"

#include "app/PainelNavegacao.h"
#include "app/TMensageAnimada.h"
#include "app/ThreadUi.h"
#include "app/Trabalhadores.h"
#include "app/pages/PaginaBalancaIntegrada.h"
#include "app/pages/PaginaCadastroEtiqueta.h"
#include "app/pages/PaginaConfBal.h"
#include "app/pages/PaginaHome.h"
#include "app/pages/PaginaImprimirEtiqueta.h"
#include "app/pages/PaginaLog.h"
#include "app/pages/PaginaLogin.h"
#include "app/pages/PaginaSincronizacao.h"
#include "platform/Elevacao.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QStackedWidget>
#include <exception>

namespace mvf {

T_frmFerramentasMv::T_frmFerramentasMv(FonteParametros fonte, GanchosJanela ganchos, T_dmDados* dados,
                                       QWidget* parent)
    : QMainWindow(parent), fonte_(std::move(fonte)), ganchos_(std::move(ganchos)), dados_(dados),
      trabalhadores_(std::make_unique<Trabalhadores>()) {
    setObjectName("T_frmFerramentasMv");
    setWindowTitle("Marivelta Vuzurevedev");
    setWindowState(Qt::WindowMaximized);

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    dxNavBar1 = new PainelNavegacao(central);
    // The page host has no tab headers: a page shows only when code makes it active.
    _pgcPrincipal = new QStackedWidget(central);
    _pgcPrincipal->setObjectName("_pgcPrincipal");
    layout->addWidget(dxNavBar1);
    layout->addWidget(_pgcPrincipal, 1);
    setCentralWidget(central);

    _abaLogin = new PaginaLogin(*trabalhadores_, _pgcPrincipal);
    _abaHome = new PaginaHome(_pgcPrincipal);
    _abaSincronizacao = new PaginaSincronizacao(*trabalhadores_, _pgcPrincipal);
    _tabImprimirEtiqueta = new PaginaImprimirEtiqueta(*this, _pgcPrincipal);
    _tabCadastroDeEtiqueta = new PaginaCadastroEtiqueta(*this, _pgcPrincipal);
    _abaConfBal = new PaginaConfBal(*this, _pgcPrincipal);
    _abaLog = new PaginaLog(_pgcPrincipal);
    _cxtabBalancaIntegrada = new PaginaBalancaIntegrada(*this, _pgcPrincipal);
    for (QWidget* pagina : std::initializer_list<QWidget*>{_abaLogin, _abaHome, _abaSincronizacao,
                                                           _tabImprimirEtiqueta, _tabCadastroDeEtiqueta,
                                                           _abaConfBal, _abaLog, _cxtabBalancaIntegrada})
        _pgcPrincipal->addWidget(pagina);
    _pgcPrincipal->setCurrentWidget(_abaLogin);

    connect(dxNavBar1, &PainelNavegacao::acionada, this, &T_frmFerramentasMv::acionar);
    connect(_abaLogin, &PaginaLogin::encerrarSolicitado, this, &T_frmFerramentasMv::_btnNavBar1Group4Click);
    connect(_abaLogin, &PaginaLogin::loginValidado, this, &T_frmFerramentasMv::aoValidarLogin);
    connect(_abaSincronizacao, &PaginaSincronizacao::ultimaSincroniaAlterada,
            _abaConfBal->_lblUltimaSincFrente, &QLabel::setText);
    connect(_abaSincronizacao, &PaginaSincronizacao::recarregarParametros, this,
            &T_frmFerramentasMv::paramentrosInicias);
    connect(_abaSincronizacao, &PaginaSincronizacao::linhaDeLog, this,
            [this](const QString& linha) { AdicionarLog(linha.toStdString()); });

    dxFluentDesignFormCreate();
}

T_frmFerramentasMv::~T_frmFerramentasMv() {
    // Everything that still works for the window ends while the whole window exists: first the
    // monitor thread (as closing does), then the workers, which hand steps to the pages (the
    // events served meanwhile may start more; they are waited for as well).
    if (FInternetCheckThread) {
        FInternetCheckThread->Terminate();
        FInternetCheckThread->WaitFor();
        FInternetCheckThread.reset();
    }
    trabalhadores_->AguardarTodos();
    trabalhadores_.reset();
    // Helpers attached to the window (controllers of pages, background running) use its pages and
    // may still be finishing work: they go next, while every page exists. Qt would otherwise
    // delete them after the widgets created before them.
    const QObjectList filhos = children();
    for (QObject* filho : filhos)
        if (!filho->isWidgetType() && !qobject_cast<QLayout*>(filho))
            delete filho;
}

void T_frmFerramentasMv::dxFluentDesignFormCreate() {
    if (ganchos_.PreencherModelosBalanca)
        ganchos_.PreencherModelosBalanca(*this);
    if (ganchos_.PrepararInicio)
        ganchos_.PrepararInicio(*this);
    // Nothing to navigate to before a login.
    dxNavBar1->setRecolhido(true);
    dxNavBar1->setEnabled(false);
    _abaLogin->_lblCarregando->clear();
    _abaSincronizacao->_lblStatus->clear();
    // The stored login is read off the UI thread; its page changes wait for the message loop, so
    // they run once every start-up module exists.
    trabalhadores_->Iniciar([this] { paramentrosInicias(); });
    CarregarConfiguracao();
}

void T_frmFerramentasMv::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    dxFluentDesignFormShow();
}

void T_frmFerramentasMv::dxFluentDesignFormShow() {
    _tabCadastroDeEtiqueta->OcultarEdicao();
    trabalhadores_->Iniciar([this] { ExecutarNaThreadUi([this] { _abaLogin->PrepararFoco(); }); });
}

void T_frmFerramentasMv::closeEvent(QCloseEvent* event) {
    if (!dxFluentDesignFormCloseQuery()) {
        event->ignore();
        return;
    }
    dxFluentDesignFormClose();
    event->accept();
}

bool T_frmFerramentasMv::dxFluentDesignFormCloseQuery() {
    if (FnEncerrar || !ganchos_.PodeFechar)
        return true;
    return ganchos_.PodeFechar(*this);
}

void T_frmFerramentasMv::dxFluentDesignFormClose() {
    if (FInternetCheckThread) {
        FInternetCheckThread->Terminate();
        FInternetCheckThread->WaitFor();
        FInternetCheckThread.reset();
    }
    emit encerrada();
}

void T_frmFerramentasMv::AtivarPagina(QWidget* pagina) {
    _pgcPrincipal->setCurrentWidget(pagina);
}

QWidget* T_frmFerramentasMv::PaginaAtiva() const {
    return _pgcPrincipal->currentWidget();
}

void T_frmFerramentasMv::acionar(AcaoNavegacao acao) {
    switch (acao) {
    case AcaoNavegacao::ImprimirEtiqueta:
        dxNavBar1Item2Click();
        break;
    case AcaoNavegacao::CadastroEtiqueta:
        dxNavBar1Item3Click();
        break;
    case AcaoNavegacao::Sincronizacao:
        _btnNavBar1Group2Click();
        break;
    case AcaoNavegacao::CargaBalanca:
        _btnNavBar1Group3Click();
        break;
    case AcaoNavegacao::ConfBalanca:
        _btnConfBalancaClick();
        break;
    case AcaoNavegacao::BalancaIntegrada:
        dxnvbrtmConfirBalIntegradaClick();
        break;
    case AcaoNavegacao::Encerrar:
        _btnNavBar1Group4Click();
        break;
    case AcaoNavegacao::Log:
        _btnNavBar1Group5Click();
        break;
    case AcaoNavegacao::Nenhuma:
        break;
    }
}

void T_frmFerramentasMv::_btnNavBar1Group2Click() {
    AtivarPagina(_abaSincronizacao);
}

void T_frmFerramentasMv::_btnNavBar1Group3Click() {
    AtivarPagina(_abaConfBal);
    _abaConfBal->SelecionarSubPagina(1);
}

void T_frmFerramentasMv::_btnNavBar1Group4Click() {
    FnEncerrar = true;
    close();
}

void T_frmFerramentasMv::_btnNavBar1Group5Click() {
    AtivarPagina(_abaLog);
}

void T_frmFerramentasMv::dxNavBar1Item2Click() {
    AtivarPagina(_tabImprimirEtiqueta);
    _tabImprimirEtiqueta->ListarProdutos();
}

void T_frmFerramentasMv::dxNavBar1Item3Click() {
    _tabCadastroDeEtiqueta->PrepararLista();
    AtivarPagina(_tabCadastroDeEtiqueta);
}

void T_frmFerramentasMv::_btnConfBalancaClick() {
    AtivarPagina(_abaConfBal);
    _abaConfBal->SelecionarSubPagina(0);
}

void T_frmFerramentasMv::dxnvbrtmConfirBalIntegradaClick() {
    AtivarPagina(_cxtabBalancaIntegrada);
}

void T_frmFerramentasMv::Encerrar1Click() {
    _btnNavBar1Group4Click();
}

void T_frmFerramentasMv::paramentrosInicias() {
    try {
        FonteParametros::Lembrado lembrado;
        if (fonte_.CarregarUsuario)
            lembrado = fonte_.CarregarUsuario();
        ExecutarNaThreadUi([this, &lembrado] {
            if (lembrado.Lembrar == "S")
                _abaLogin->PreencherLembrado(lembrado.NomeLogin, lembrado.senha);
            std::string ultima = fonte_.GetUltimaSincronia ? fonte_.GetUltimaSincronia() : std::string();
            _abaSincronizacao->_lblDataHoraSinc->setText(QString::fromStdString(ultima));
            _abaConfBal->_lblUltimaSincFrente->setText(_abaSincronizacao->_lblDataHoraSinc->text());
        });
    } catch (const std::exception& e) {
        TMensageAnimada::Show("", e.what(), MsgBoxTypes::mabtErro);
    }
}

void T_frmFerramentasMv::AdicionarLog(const std::string& linha) {
    _abaLog->AdicionarLinha(linha);
}

void T_frmFerramentasMv::CarregarConfiguracao() {
    if (ganchos_.CarregarConfiguracao)
        ganchos_.CarregarConfiguracao(*this);
}

void T_frmFerramentasMv::aoValidarLogin() {
    dxNavBar1->setEnabled(true);
    dxNavBar1->setRecolhido(false);
    CarregarConfiguracao();
    bool pendente = fonte_.ConfiguracaoInicial ? fonte_.ConfiguracaoInicial() : false;
    AtivarPagina(pendente ? static_cast<QWidget*>(_abaSincronizacao) : static_cast<QWidget*>(_abaHome));
}

void T_frmFerramentasMv::MostrarEmPrimeiroPlano() {
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    setWindowOpacity(1.0);
    show();
    raise();
    activateWindow();
}

bool T_frmFerramentasMv::ExecutandoComoAdministrador() {
    return mvf::ExecutandoComoAdministrador();
}

void T_frmFerramentasMv::ReiniciarComoAdministrador() {
    mvf::ReiniciarComoAdministrador();
}

} // namespace mvf
