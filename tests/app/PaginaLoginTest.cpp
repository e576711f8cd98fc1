#include "app/pages/PaginaLogin.h"

#include "JanelaFixture.h"
#include "app/PainelNavegacao.h"
#include "app/pages/PaginaHome.h"
#include "app/pages/PaginaSincronizacao.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <atomic>
#include <mutex>
#include <vector>

namespace mvf {

namespace {

// The login page over a stand-in ERP login that answers as told and records what it was asked.
class LoginFixture : public test::JanelaFixture {
protected:
    std::mutex m;
    std::vector<std::pair<std::string, std::string>> pedidos;
    std::vector<std::string> lembrarGravado;
    bool aceitar = true;
    std::string erroDoErp = "Usuário ou senha inválidos";
    std::atomic<bool> statusDuranteValidacao{false};

    PaginaLogin& pagina() { return *janela->_abaLogin; }

    void SetUp() override {
        test::JanelaFixture::SetUp();
        criar();
        ServicoLogin servico;
        servico.RetornaUsuario = [this](const std::string& login, const std::string& senha,
                                        std::string& erro) {
            std::lock_guard lock(m);
            pedidos.emplace_back(login, senha);
            if (!aceitar)
                erro = erroDoErp;
            return aceitar;
        };
        servico.LembrarLogin = [this](const std::string& s) { lembrarGravado.push_back(s); };
        pagina().setServico(servico);
        janela->show();
        janela->Workers().AguardarTodos();
    }

    void entrarCom(const QString& login, const QString& senha) {
        pagina()._edtLogin->setText(login);
        pagina()._edtSenha->setText(senha);
        QTest::mouseClick(pagina()._btnLogin, Qt::LeftButton);
    }
};

} // namespace

using LoginPagina = LoginFixture;

struct CampoVazio {
    const char* login;
    const char* senha;
    const char* aviso;
};

class LoginCamposVazios : public LoginFixture, public ::testing::WithParamInterface<CampoVazio> {};

TEST_P(LoginCamposVazios, AnEmptyBoxIsReportedAndNothingStarts) {
    entrarCom(QString::fromUtf8(GetParam().login), QString::fromUtf8(GetParam().senha));
    EXPECT_EQ(mensagensNaTela(), QStringList{QString::fromUtf8(GetParam().aviso)});
    EXPECT_EQ(janela->Workers().EmExecucao(), 0);
    EXPECT_TRUE(pedidos.empty());
    EXPECT_TRUE(pagina()._lblCarregando->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Campos, LoginCamposVazios,
                         ::testing::Values(CampoVazio{"", "", "Usúario não informado!"},
                                           CampoVazio{"   ", "senha", "Usúario não informado!"},
                                           CampoVazio{"caixa", "", "Senha não informado!"},
                                           CampoVazio{"caixa", "  \t", "Senha não informado!"}));

TEST_F(LoginPagina, AnAcceptedLoginEnablesAndExpandsTheNavigationAndOpensTheSynchronisation) {
    configuracaoInicial = true;
    pagina()._chkLembrar->setChecked(true);
    entrarCom("  caixa01 ", " s3nh@ ");
    EXPECT_EQ(pagina()._lblCarregando->text(), QString::fromUtf8("Validando usúario..."));
    janela->Workers().AguardarTodos();
    ASSERT_EQ(pedidos.size(), 1u);
    EXPECT_EQ(pedidos[0], (std::pair<std::string, std::string>{"caixa01", "s3nh@"}));
    EXPECT_EQ(lembrarGravado, std::vector<std::string>{"S"});
    EXPECT_TRUE(janela->dxNavBar1->isEnabled());
    EXPECT_FALSE(janela->dxNavBar1->recolhido());
    EXPECT_EQ(carregamentosConfiguracao, 2); // creation and login
    EXPECT_EQ(janela->PaginaAtiva(), janela->_abaSincronizacao);
    EXPECT_TRUE(pagina()._lblCarregando->text().isEmpty());
    EXPECT_TRUE(mensagensNaTela().isEmpty());
}

TEST_F(LoginPagina, OnceSynchronisedALoginOpensTheHomePageAndForgetsTheBoxesIfAsked) {
    configuracaoInicial = false;
    pagina()._chkLembrar->setChecked(false);
    entrarCom("caixa01", "s3nh@");
    janela->Workers().AguardarTodos();
    EXPECT_EQ(lembrarGravado, std::vector<std::string>{"N"});
    EXPECT_EQ(janela->PaginaAtiva(), janela->_abaHome);
}

TEST_F(LoginPagina, ARefusedLoginShowsTheErpsTextAndKeepsTheNavigationLocked) {
    aceitar = false;
    entrarCom("caixa01", "errada");
    janela->Workers().AguardarTodos();
    EXPECT_EQ(mensagensNaTela(), QStringList{QString::fromUtf8("Usuário ou senha inválidos")});
    EXPECT_FALSE(janela->dxNavBar1->isEnabled());
    EXPECT_TRUE(janela->dxNavBar1->recolhido());
    EXPECT_EQ(janela->PaginaAtiva(), janela->_abaLogin);
    EXPECT_TRUE(lembrarGravado.empty());
    EXPECT_EQ(carregamentosConfiguracao, 1);
    EXPECT_TRUE(pagina()._lblCarregando->text().isEmpty());
}

TEST_F(LoginPagina, PressingLoginAgainWhileValidatingStartsASecondValidation) {
    entrarCom("caixa01", "s3nh@");
    EXPECT_TRUE(pagina()._btnLogin->isEnabled());
    QTest::mouseClick(pagina()._btnLogin, Qt::LeftButton);
    janela->Workers().AguardarTodos();
    EXPECT_EQ(pedidos.size(), 2u);
}

TEST_F(LoginPagina, EnterMovesFromUserToPasswordToTheButtonWithoutPressingIt) {
    QApplication::setActiveWindow(janela.get());
    pagina()._edtLogin->setText("caixa01");
    pagina()._edtSenha->setText("s3nh@");
    pagina()._edtLogin->setFocus();
    QTest::keyClick(pagina()._edtLogin, Qt::Key_Return);
    EXPECT_TRUE(pagina()._edtSenha->hasFocus());
    QTest::keyClick(pagina()._edtSenha, Qt::Key_Enter);
    EXPECT_TRUE(pagina()._btnLogin->hasFocus());
    EXPECT_EQ(janela->Workers().EmExecucao(), 0);
    EXPECT_TRUE(pedidos.empty());
    // Other keys type as usual.
    QTest::keyClick(pagina()._edtLogin, Qt::Key_A);
    EXPECT_EQ(pagina()._edtLogin->text(), "caixa01a");
    // Enter on the focused button logs in.
    pagina()._btnLogin->setFocus();
    QTest::keyClick(pagina()._btnLogin, Qt::Key_Return);
    janela->Workers().AguardarTodos();
    ASSERT_EQ(pedidos.size(), 1u);
    EXPECT_EQ(pedidos[0].first, "caixa01a");
}

TEST_F(LoginPagina, ThePasswordIsMaskedUntilRevealed) {
    EXPECT_EQ(pagina()._edtSenha->echoMode(), QLineEdit::Password);
    auto* revelar = pagina()._edtSenha->findChild<QAction*>("_actRevelarSenha");
    ASSERT_NE(revelar, nullptr);
    revelar->trigger();
    EXPECT_EQ(pagina()._edtSenha->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(pagina()._edtLogin->placeholderText(), QString::fromUtf8("Úsuario"));
    EXPECT_EQ(pagina()._edtSenha->placeholderText(), "Senha");
    EXPECT_EQ(pagina()._btnLogin->text(), "Realizar login");
}

} // namespace mvf
