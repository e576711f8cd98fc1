#include "JanelaFixture.h"
#include "app/PainelNavegacao.h"
#include "app/ServicosDados.h"
#include "app/pages/PaginaConfBal.h"
#include "app/pages/PaginaHome.h"
#include "app/pages/PaginaLog.h"
#include "app/pages/PaginaLogin.h"
#include "app/pages/PaginaSincronizacao.h"
#include "data/T_dmDados.h"
#include "support/ErpSimProcesso.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace mvf {

namespace {

// The real window over a real banco.db, logging in and synchronising against erp-sim over HTTPS.
class ErpSimJanela : public ::testing::Test {
protected:
    test::TempDir home;
    std::unique_ptr<test::ErpSimProcesso> erp;
    std::unique_ptr<T_dmDados> dados;
    std::unique_ptr<T_frmFerramentasMv> janela;

    void SetUp() override {
        GerenciadorAlertas::Instancia()->DefinirTempos(TemposAlerta{1, 60000, 1});
        erp = std::make_unique<test::ErpSimProcesso>(MVF_ERP_SIM, home / "cert", 40);
        dados = std::make_unique<T_dmDados>(home.path());
        dados->ConectarBanco();
        dados->erpConfig().baseUrl = erp->url();
        dados->erpConfig().caFile = erp->ca().string();
        janela =
            std::make_unique<T_frmFerramentasMv>(FonteParametrosDe(*dados), GanchosJanela{}, dados.get());
        janela->_abaLogin->setServico(ServicoLoginDe(*dados));
        janela->_abaSincronizacao->setServico(ServicoSincronizacaoDe(*dados));
        janela->show();
        janela->Workers().AguardarTodos();
    }

    void TearDown() override {
        janela.reset();
        const QList<JanelaAlerta*> abertas = GerenciadorAlertas::Instancia()->Janelas();
        for (JanelaAlerta* j : abertas)
            delete j;
        GerenciadorAlertas::Instancia()->DefinirTempos(TemposAlerta{});
    }

    void entrar(const QString& login, const QString& senha, bool lembrar) {
        janela->_abaLogin->_edtLogin->setText(login);
        janela->_abaLogin->_edtSenha->setText(senha);
        janela->_abaLogin->_chkLembrar->setChecked(lembrar);
        QTest::mouseClick(janela->_abaLogin->_btnLogin, Qt::LeftButton);
        janela->Workers().AguardarTodos();
    }

    std::int64_t contar(const std::string& tabela) {
        auto q = dados->getInstanciaQuery();
        q->setSQL("SELECT count(*) AS N FROM " + tabela);
        q->open();
        return q->fieldByName("N").asInteger();
    }

    std::string config(const std::string& coluna) {
        auto q = dados->getInstanciaQuery();
        q->setSQL("SELECT " + coluna + " AS V FROM CONFIG WHERE ID = 1");
        q->open();
        return q->fieldByName("V").asString();
    }
};

} // namespace

TEST_F(ErpSimJanela, ARefusedPasswordShowsTheErpsMessageAndKeepsTheWindowLocked) {
    entrar("demo", "errada", false);
    EXPECT_EQ(test::MensagensNaTela(), QStringList{QString::fromUtf8("Usuário ou senha inválidos!")});
    EXPECT_FALSE(janela->dxNavBar1->isEnabled());
    EXPECT_EQ(janela->PaginaAtiva(), janela->_abaLogin);
    EXPECT_EQ(config("LOGIN_VALIDO"), "N");
}

TEST_F(ErpSimJanela, AnUnreachableServerIsReportedAsANetworkFailure) {
    erp->parar();
    entrar("demo", "demo", false);
    EXPECT_EQ(test::MensagensNaTela(),
              QStringList{QString::fromUtf8("falha na conexão com o servidor, verifique sua rede!")});
    EXPECT_FALSE(janela->dxNavBar1->isEnabled());
    EXPECT_TRUE(janela->_abaLogin->_lblCarregando->text().isEmpty());
}

TEST_F(ErpSimJanela, LoginThenFirstSynchronisationThenTheNextStartRemembersTheUser) {
    entrar("demo", "demo", true);
    ASSERT_TRUE(test::MensagensNaTela().isEmpty()) << test::MensagensNaTela().join("|").toStdString();
    EXPECT_TRUE(janela->dxNavBar1->isEnabled());
    EXPECT_FALSE(janela->dxNavBar1->recolhido());
    EXPECT_EQ(janela->PaginaAtiva(), janela->_abaSincronizacao);
    EXPECT_EQ(config("LOGIN_VALIDO"), "S");
    EXPECT_EQ(config("LEMBRAR"), "S");

    QTest::mouseClick(janela->_abaSincronizacao->_btnSincronizar, Qt::LeftButton);
    janela->Workers().AguardarTodos();
    EXPECT_EQ(test::MensagensNaTela(), QStringList{"Dados sincronizado com sucesso!"});
    EXPECT_EQ(config("CONFIG_INICIAL"), "false");
    EXPECT_EQ(contar("PRODUTO"), 40);
    EXPECT_EQ(contar("CIDADE"), 5563);
    EXPECT_GT(contar("VENDEDOR"), 0);
    QString ultima = janela->_abaSincronizacao->_lblDataHoraSinc->text();
    EXPECT_TRUE(ultima.startsWith(QString::fromUtf8("Data da ultima sicronização : ")))
        << ultima.toStdString();
    EXPECT_EQ(janela->_abaConfBal->_lblUltimaSincFrente->text(), ultima);
    EXPECT_TRUE(janela->_abaLog->_cxmLog->toPlainText().startsWith("Produtos Atualizados - "));

    // A new start of the window: the user is remembered, and a login now opens the home page.
    janela.reset();
    janela = std::make_unique<T_frmFerramentasMv>(FonteParametrosDe(*dados), GanchosJanela{}, dados.get());
    janela->_abaLogin->setServico(ServicoLoginDe(*dados));
    janela->Workers().AguardarTodos();
    EXPECT_EQ(janela->_abaLogin->_edtLogin->text(), "demo");
    EXPECT_EQ(janela->_abaLogin->_edtSenha->text(), "demo");
    EXPECT_TRUE(janela->_abaLogin->_chkLembrar->isChecked());
    EXPECT_EQ(janela->_abaSincronizacao->_lblDataHoraSinc->text(), ultima);
    QTest::mouseClick(janela->_abaLogin->_btnLogin, Qt::LeftButton);
    janela->Workers().AguardarTodos();
    EXPECT_EQ(janela->PaginaAtiva(), janela->_abaHome);
}

} // namespace mvf
