#pragma once

#include "app/GanchosJanela.h"
#include "app/MonitorThread.h"
#include "app/NavegacaoEntradas.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

class QStackedWidget;

namespace mvf {

class T_dmDados;
class PainelNavegacao;
class PaginaBalancaIntegrada;
class PaginaCadastroEtiqueta;
class PaginaConfBal;
class PaginaHome;
class PaginaImprimirEtiqueta;
class PaginaLog;
class PaginaLogin;
class PaginaSincronizacao;
class Trabalhadores;

// What the window reads from the stored login state; the data layer provides it, tests fake it.
struct FonteParametros {
    struct Lembrado {
        std::string Lembrar;
        std::string NomeLogin;
        std::string senha;
    };
    // Reads the CONFIG row into the logged-in user record (on the calling thread) and returns the
    // part the login page shows. Throws with the user message on failure.
    std::function<Lembrado()> CarregarUsuario;
    // The last-synchronisation line (empty while the first synchronisation is pending).
    std::function<std::string()> GetUltimaSincronia;
    // Whether the first synchronisation is still pending.
    std::function<bool()> ConfiguracaoInicial;
};

// The main window: hosts the pages, switches between them from the navigation pane, and ends the
// program. Pages do their own work.
class T_frmFerramentasMv : public QMainWindow {
    Q_OBJECT
public:
    // `dados` is the program's data module (none in tests that fake what the window reads).
    explicit T_frmFerramentasMv(FonteParametros fonte, GanchosJanela ganchos = {}, T_dmDados* dados = nullptr,
                                QWidget* parent = nullptr);
    ~T_frmFerramentasMv() override;

    // The end flag: while false, a close request may send the window to the tray instead.
    bool FnEncerrar = false;
    // The load monitor thread, set by the settings load; stopped and freed when the window closes.
    std::unique_ptr<MonitorThread> FInternetCheckThread;

    PainelNavegacao* dxNavBar1;
    QStackedWidget* _pgcPrincipal;
    PaginaLogin* _abaLogin;
    PaginaHome* _abaHome;
    PaginaSincronizacao* _abaSincronizacao;
    PaginaImprimirEtiqueta* _tabImprimirEtiqueta;
    PaginaCadastroEtiqueta* _tabCadastroDeEtiqueta;
    PaginaConfBal* _abaConfBal;
    PaginaLog* _abaLog;
    PaginaBalancaIntegrada* _cxtabBalancaIntegrada;

    Trabalhadores& Workers() { return *trabalhadores_; }
    T_dmDados* Dados() const { return dados_; }

    void AtivarPagina(QWidget* pagina);
    QWidget* PaginaAtiva() const;

    // Navigation handlers.
    void _btnNavBar1Group2Click();          // "Sincronização"
    void _btnNavBar1Group3Click();          // "Garga Balança"
    void _btnNavBar1Group4Click();          // "Encerrar Sessão" and the login page's "Encerrar sessão"
    void _btnNavBar1Group5Click();          // "Log sistema"
    void dxNavBar1Item2Click();             // "Imprimir Etiqueta"
    void dxNavBar1Item3Click();             // "Cadastro de etiqueta"
    void _btnConfBalancaClick();            // "Configuração de balança"
    void dxnvbrtmConfirBalIntegradaClick(); // "Configuração balança integrada"
    void Encerrar1Click();                  // tray menu "Encerrar"

    // Reloads the stored login state into the logged-in user record and the pages. Callable from
    // any thread: the reading runs on the caller's thread, the control changes on the UI thread.
    // Failures are shown as an error notice, never raised.
    void paramentrosInicias();

    // Appends a line to the log page; callable from any thread.
    void AdicionarLog(const std::string& linha);

    // The settings load (a hook of the settings part).
    void CarregarConfiguracao();

    // The instance message from a second start: show and raise the window.
    void MostrarEmPrimeiroPlano();

    bool ExecutandoComoAdministrador();
    void ReiniciarComoAdministrador();

signals:
    // The window closed for good; the program ends.
    void encerrada();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void dxFluentDesignFormCreate();
    void dxFluentDesignFormShow();
    bool dxFluentDesignFormCloseQuery();
    void dxFluentDesignFormClose();
    void acionar(AcaoNavegacao acao);
    void aoValidarLogin();

    FonteParametros fonte_;
    GanchosJanela ganchos_;
    T_dmDados* dados_;
    std::unique_ptr<Trabalhadores> trabalhadores_;
};

} // namespace mvf
