#include "app/T_frmFerramentasMv.h"

#include "JanelaFixture.h"
#include "app/PainelNavegacao.h"
#include "app/pages/PaginaConfBal.h"
#include "app/pages/PaginaLog.h"
#include "app/pages/PaginaLogin.h"
#include "app/pages/PaginaSincronizacao.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <thread>

namespace mvf {

using JanelaPrincipal = test::JanelaFixture;

TEST_F(JanelaPrincipal, StartsOnTheLoginPageWithTheNavigationCollapsedAndDisabled) {
    T_frmFerramentasMv& j = criar();
    EXPECT_EQ(j.windowTitle(), "Marivelta Vuzurevedev");
    EXPECT_TRUE(j.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(j.objectName(), "T_frmFerramentasMv");
    EXPECT_EQ(j.PaginaAtiva(), j._abaLogin);
    EXPECT_EQ(j._pgcPrincipal->count(), 8);
    EXPECT_TRUE(j.dxNavBar1->recolhido());
    EXPECT_FALSE(j.dxNavBar1->isEnabled());
    EXPECT_EQ(j.dxNavBar1->width(), PainelNavegacao::kLarguraRecolhida);
    EXPECT_TRUE(j._abaLogin->_lblCarregando->text().isEmpty());
    EXPECT_TRUE(j._abaSincronizacao->_lblStatus->text().isEmpty());
    EXPECT_FALSE(j.FnEncerrar);
    // The settings load runs once at creation.
    EXPECT_EQ(carregamentosConfiguracao, 1);
}

TEST_F(JanelaPrincipal, TheExpandedPaneShowsItsEntriesButNotTheHiddenOnes) {
    T_frmFerramentasMv& j = criar();
    j.dxNavBar1->setEnabled(true);
    j.dxNavBar1->setRecolhido(false);
    EXPECT_EQ(j.dxNavBar1->width(), PainelNavegacao::kLarguraExpandida);
    for (const auto& e : EntradasNavegacao()) {
        SCOPED_TRACE(e.nome);
        QToolButton* b = j.dxNavBar1->Entrada(QString::fromStdString(e.nome));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text().toStdString(), e.texto);
        EXPECT_EQ(b->isVisibleTo(j.dxNavBar1), !e.oculta);
    }
    // Closing a group hides its items; the hamburger collapses the pane to a strip.
    j.dxNavBar1->setGrupoAberto("dxNavBar1Group1", false);
    EXPECT_FALSE(j.dxNavBar1->Entrada("dxNavBar1Item2")->isVisibleTo(j.dxNavBar1));
    EXPECT_TRUE(j.dxNavBar1->Entrada("_btnNavBar1Group2")->isVisibleTo(j.dxNavBar1));
    QTest::mouseClick(j.dxNavBar1->BotaoHamburguer(), Qt::LeftButton);
    EXPECT_TRUE(j.dxNavBar1->recolhido());
    EXPECT_FALSE(j.dxNavBar1->Entrada("_btnNavBar1Group2")->isVisibleTo(j.dxNavBar1));
}

struct Navegacao {
    const char* entrada;
    const char* pagina;
    int subPagina; // of the scale-load page, -1 when it does not matter
};

void PrintTo(const Navegacao& n, std::ostream* os) {
    *os << n.entrada;
}

class JanelaNavegacao : public test::JanelaFixture, public ::testing::WithParamInterface<Navegacao> {};

TEST_P(JanelaNavegacao, EachEntryOpensItsPage) {
    T_frmFerramentasMv& j = criar();
    j.dxNavBar1->setEnabled(true);
    j.dxNavBar1->setRecolhido(false);
    j.show();
    QToolButton* b = j.dxNavBar1->Entrada(GetParam().entrada);
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(j.PaginaAtiva()->objectName(), GetParam().pagina);
    if (GetParam().subPagina >= 0) {
        EXPECT_EQ(j._abaConfBal->SubPaginaAtiva(), GetParam().subPagina);
    }
}

INSTANTIATE_TEST_SUITE_P(Entradas, JanelaNavegacao,
                         ::testing::Values(Navegacao{"dxNavBar1Item2", "_tabImprimirEtiqueta", -1},
                                           Navegacao{"dxNavBar1Item3", "_tabCadastroDeEtiqueta", -1},
                                           Navegacao{"_btnNavBar1Group2", "_abaSincronizacao", -1},
                                           Navegacao{"_btnNavBar1Group3", "_abaConfBal", 1},
                                           Navegacao{"_btnConfBalanca", "_abaConfBal", 0},
                                           Navegacao{"dxnvbrtmConfirBalIntegrada", "_cxtabBalancaIntegrada",
                                                     -1},
                                           Navegacao{"_btnNavBar1Group5", "_abaLog", -1},
                                           // Groups without an action of their own stay where they are.
                                           Navegacao{"dxNavBar1Group1", "_abaLogin", -1}));

TEST_F(JanelaPrincipal, TheDisabledPaneDoesNotNavigate) {
    T_frmFerramentasMv& j = criar();
    j.show();
    j.dxNavBar1->setRecolhido(false);
    QTest::mouseClick(j.dxNavBar1->Entrada("_btnNavBar1Group5"), Qt::LeftButton);
    EXPECT_EQ(j.PaginaAtiva(), j._abaLogin);
}

namespace {

// Records what the window asks of the monitor thread.
class MonitorFalso : public MonitorThread {
public:
    explicit MonitorFalso(std::vector<std::string>& registro) : registro_(registro) {}
    ~MonitorFalso() override { registro_.push_back("destruido"); }
    void Terminate() override { registro_.push_back("Terminate"); }
    void WaitFor() override { registro_.push_back("WaitFor"); }

private:
    std::vector<std::string>& registro_;
};

} // namespace

TEST_F(JanelaPrincipal, EndCommandsCloseTheWindowAndStopTheMonitorFirst) {
    for (auto encerrar : {&T_frmFerramentasMv::_btnNavBar1Group4Click, &T_frmFerramentasMv::Encerrar1Click}) {
        T_frmFerramentasMv& j = criar();
        std::vector<std::string> registro;
        j.FInternetCheckThread = std::make_unique<MonitorFalso>(registro);
        recusarFechar = true; // the close-to-tray rule does not hold back an end command
        QSignalSpy encerrada(&j, &T_frmFerramentasMv::encerrada);
        j.show();
        (j.*encerrar)();
        EXPECT_TRUE(j.FnEncerrar);
        EXPECT_FALSE(j.isVisible());
        EXPECT_EQ(encerrada.count(), 1);
        EXPECT_EQ(registro, (std::vector<std::string>{"Terminate", "WaitFor", "destruido"}));
        EXPECT_EQ(j.FInternetCheckThread, nullptr);
        recusarFechar = false;
    }
}

TEST_F(JanelaPrincipal, TheLoginPagesEndButtonEndsTheProgram) {
    T_frmFerramentasMv& j = criar();
    QSignalSpy encerrada(&j, &T_frmFerramentasMv::encerrada);
    j.show();
    QTest::mouseClick(j._abaLogin->_btnEncerrar, Qt::LeftButton);
    EXPECT_TRUE(j.FnEncerrar);
    EXPECT_EQ(encerrada.count(), 1);
}

TEST_F(JanelaPrincipal, AClosedRequestRefusedByTheTrayRuleKeepsEverythingRunning) {
    recusarFechar = true;
    T_frmFerramentasMv& j = criar();
    std::vector<std::string> registro;
    j.FInternetCheckThread = std::make_unique<MonitorFalso>(registro);
    QSignalSpy encerrada(&j, &T_frmFerramentasMv::encerrada);
    j.show();
    EXPECT_FALSE(j.close());
    EXPECT_TRUE(j.isVisible());
    EXPECT_EQ(encerrada.count(), 0);
    EXPECT_TRUE(registro.empty());
    EXPECT_NE(j.FInternetCheckThread, nullptr);
    j.FInternetCheckThread.reset();
}

TEST_F(JanelaPrincipal, RememberedCredentialsFillTheLoginPage) {
    lembrado = {"S", "caixa01", "s3nh@"};
    ultimaSincronia = "Data da ultima sicronização : 10/12/2026 08:15:00";
    T_frmFerramentasMv& j = criar();
    EXPECT_EQ(j._abaLogin->_edtLogin->text(), "caixa01");
    EXPECT_EQ(j._abaLogin->_edtSenha->text(), "s3nh@");
    EXPECT_TRUE(j._abaLogin->_chkLembrar->isChecked());
    EXPECT_EQ(j._abaSincronizacao->_lblDataHoraSinc->text().toStdString(), ultimaSincronia);
    EXPECT_EQ(j._abaConfBal->_lblUltimaSincFrente->text().toStdString(), ultimaSincronia);
}

TEST_F(JanelaPrincipal, CredentialsNotRememberedLeaveTheBoxesEmpty) {
    lembrado = {"N", "caixa01", "s3nh@"};
    T_frmFerramentasMv& j = criar();
    EXPECT_TRUE(j._abaLogin->_edtLogin->text().isEmpty());
    EXPECT_TRUE(j._abaLogin->_edtSenha->text().isEmpty());
    EXPECT_FALSE(j._abaLogin->_chkLembrar->isChecked());
    EXPECT_TRUE(j._abaSincronizacao->_lblDataHoraSinc->text().isEmpty());
}

TEST_F(JanelaPrincipal, AFailedReadOfTheStoredLoginIsShownAsAnErrorNotice) {
    erroAoCarregar = "Erro : no such table: CONFIG";
    T_frmFerramentasMv& j = criar();
    EXPECT_TRUE(test::Aguardar([] { return !mensagensNaTela().isEmpty(); }));
    EXPECT_EQ(mensagensNaTela(), QStringList{"Erro : no such table: CONFIG"});
    EXPECT_TRUE(j._abaLogin->_edtLogin->text().isEmpty());
}

TEST_F(JanelaPrincipal, ReloadingTheStoredLoginFromAWorkerUpdatesThePages) {
    T_frmFerramentasMv& j = criar();
    lembrado = {"S", "gerente", "x"};
    ultimaSincronia = "Data da ultima sicronização : 11/12/2026 09:00:00";
    j.Workers().Iniciar([&j] { j.paramentrosInicias(); });
    j.Workers().AguardarTodos();
    EXPECT_EQ(j._abaLogin->_edtLogin->text(), "gerente");
    EXPECT_EQ(j._abaConfBal->_lblUltimaSincFrente->text().toStdString(), ultimaSincronia);
    // And from the UI thread itself, which must not wait for itself.
    ultimaSincronia = "";
    j.paramentrosInicias();
    EXPECT_TRUE(j._abaSincronizacao->_lblDataHoraSinc->text().isEmpty());
}

TEST_F(JanelaPrincipal, LogLinesAreAppendedFromAnyThreadAndTheLogIsReadOnly) {
    T_frmFerramentasMv& j = criar();
    j.AdicionarLog("Produtos Atualizados - 11/12/2026 09:00:00");
    std::thread worker([&j] { j.AdicionarLog("Ocorreu o seguinte erro"); });
    worker.join();
    ASSERT_TRUE(test::Aguardar([&] { return j._abaLog->_cxmLog->blockCount() >= 2; }));
    EXPECT_EQ(j._abaLog->_cxmLog->toPlainText(),
              "Produtos Atualizados - 11/12/2026 09:00:00\nOcorreu o seguinte erro");
    EXPECT_TRUE(j._abaLog->_cxmLog->isReadOnly());
}

TEST_F(JanelaPrincipal, TheInstanceMessageShowsTheWindow) {
    T_frmFerramentasMv& j = criar();
    j.showMinimized();
    j.hide();
    j.MostrarEmPrimeiroPlano();
    EXPECT_TRUE(j.isVisible());
    EXPECT_FALSE(j.isMinimized());
}

TEST_F(JanelaPrincipal, ShowingTheWindowLeavesNoBoxWithTheCaret) {
    T_frmFerramentasMv& j = criar();
    j.show();
    QApplication::setActiveWindow(&j);
    j.Workers().AguardarTodos();
    EXPECT_EQ(QApplication::focusWidget(), j._abaLogin->_imgLogo);
    EXPECT_EQ(j._abaLogin->_edtLogin->textMargins().left(), 5);
    EXPECT_EQ(j._abaLogin->_edtSenha->textMargins().left(), 5);
}

} // namespace mvf
