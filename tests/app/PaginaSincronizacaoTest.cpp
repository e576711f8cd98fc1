#include "app/pages/PaginaSincronizacao.h"

#include "JanelaFixture.h"
#include "app/ThreadUi.h"
#include "app/pages/ImagemAnimada.h"
#include "app/pages/PaginaConfBal.h"
#include "app/pages/PaginaLog.h"
#include "app/pages/PaginaLogin.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <mutex>
#include <stdexcept>
#include <vector>

namespace mvf {

namespace {

// The synchronisation page over a stand-in data layer that records every call in order, with
// what the page showed at that moment.
class SincronizacaoFixture : public test::JanelaFixture {
protected:
    std::mutex m;
    std::vector<std::string> chamadas;
    std::vector<std::string> statusVistos;
    std::string configInicial = "true";
    bool loginAceito = true;
    std::string entidadeRecusada;
    std::string entidadeComExcecao;
    bool botaoHabilitadoDuranteExecucao = true;
    bool animadoDuranteExecucao = false;
    std::string ultima = "Data da ultima sicronização : 11/12/2026 10:00:00";

    PaginaSincronizacao& pagina() { return *janela->_abaSincronizacao; }

    void registrar(const std::string& c) {
        std::lock_guard lock(m);
        chamadas.push_back(c);
    }

    void SetUp() override {
        test::JanelaFixture::SetUp();
        criar();
        ServicoSincronizacao s;
        s.Usuario = [this] { return ServicoSincronizacao::Credenciais{"caixa01", "s3nh@", configInicial}; };
        s.RetornaUsuario = [this](const std::string& login, const std::string& senha, std::string& erro) {
            registrar("RetornaUsuario " + login + " " + senha);
            ExecutarNaThreadUi([this] {
                statusVistos.push_back(pagina()._lblStatus->text().toStdString());
                botaoHabilitadoDuranteExecucao = pagina()._btnSincronizar->isEnabled();
                animadoDuranteExecucao = pagina()._imgSinc->animado();
            });
            if (!loginAceito)
                erro = "falha na conexão com o servidor, verifique sua rede!";
            return loginAceito;
        };
        s.GetDados = [this](const std::string& nome, StatusDados& status, std::string& erro) {
            registrar("GetDados " + nome);
            ExecutarNaThreadUi([this] { statusVistos.push_back(pagina()._lblStatus->text().toStdString()); });
            if (nome == entidadeComExcecao)
                throw std::runtime_error("[json.exception.parse_error.101] parse error");
            if (nome == entidadeRecusada) {
                erro = "Empresa sem permissão";
                return false;
            }
            status.setTexto(nome + " - 1 de 1");
            ExecutarNaThreadUi([this] { statusVistos.push_back(pagina()._lblStatus->text().toStdString()); });
            if (nome == "Produtos") {
                status.Tag = 10;
                status.produtosAtualizados(10, "Produtos Atualizados - 11/12/2026 10:00:00");
            }
            return true;
        };
        s.ExecutarScriptCidades = [this] {
            registrar("Cidades");
            ExecutarNaThreadUi([this] { statusVistos.push_back(pagina()._lblStatus->text().toStdString()); });
        };
        s.StatusdConfiguracaoInicial = [this](const std::string& v) {
            registrar("StatusdConfiguracaoInicial " + v);
        };
        s.PostUltimaSincronia = [this](std::string&) {
            registrar("PostUltimaSincronia");
            return true;
        };
        s.GetUltimaSincronia = [this] { return ultima; };
        pagina().setServico(s);
    }

    void sincronizar() {
        QTest::mouseClick(pagina()._btnSincronizar, Qt::LeftButton);
        janela->Workers().AguardarTodos();
    }
};

} // namespace

using Sincronizacao = SincronizacaoFixture;

TEST_F(Sincronizacao, AFirstRunFetchesEveryEntityThenTheCitiesAndFinishes) {
    configInicial = "true";
    lembrado = {"S", "caixa01", "s3nh@"};
    ultimaSincronia = ultima; // what the stored-login reload reads afterwards
    sincronizar();
    EXPECT_EQ(chamadas,
              (std::vector<std::string>{"RetornaUsuario caixa01 s3nh@", "GetDados Vendedores",
                                        "GetDados Formas de pagamento", "GetDados Clientes",
                                        "GetDados Produtos", "GetDados Tabela de preço", "Cidades",
                                        "StatusdConfiguracaoInicial false", "PostUltimaSincronia"}));
    EXPECT_EQ(statusVistos,
              (std::vector<std::string>{
                  "Obtendo autorização...", "Vendedores...", "Vendedores - 1 de 1", "Formas de pagamento...",
                  "Formas de pagamento - 1 de 1", "Clientes...", "Clientes - 1 de 1", "Produtos...",
                  "Produtos - 1 de 1", "Tabela de preço...", "Tabela de preço - 1 de 1", "Cidades..."}));
    EXPECT_FALSE(botaoHabilitadoDuranteExecucao);
    EXPECT_TRUE(animadoDuranteExecucao);
    // At rest again, with the success picture and the new last-synchronisation line on both pages.
    EXPECT_TRUE(pagina()._btnSincronizar->isEnabled());
    EXPECT_FALSE(pagina()._imgSinc->animado());
    EXPECT_TRUE(pagina()._lblStatus->text().isEmpty());
    EXPECT_TRUE(pagina()._imgSucesso->isVisibleTo(&pagina()));
    EXPECT_EQ(pagina()._lblDataHoraSinc->text().toStdString(), ultima);
    EXPECT_EQ(janela->_abaConfBal->_lblUltimaSincFrente->text().toStdString(), ultima);
    EXPECT_EQ(mensagensNaTela(), QStringList{"Dados sincronizado com sucesso!"});
    EXPECT_EQ(janela->_abaLog->_cxmLog->toPlainText(), "Produtos Atualizados - 11/12/2026 10:00:00");
    EXPECT_EQ(janela->_abaLogin->_edtLogin->text(), "caixa01"); // the stored login was reloaded
}

TEST_F(Sincronizacao, LaterRunsLeaveTheCitiesAlone) {
    configInicial = "false";
    sincronizar();
    EXPECT_EQ(std::count(chamadas.begin(), chamadas.end(), "Cidades"), 0);
    EXPECT_EQ(chamadas.back(), "PostUltimaSincronia");
}

struct FalhaSincronizacao {
    const char* nome;
    bool loginAceito;
    const char* entidadeRecusada;
    const char* entidadeComExcecao;
    const char* aviso;
    std::size_t chamadasAteParar;
};

void PrintTo(const FalhaSincronizacao& f, std::ostream* os) {
    *os << f.nome;
}

class SincronizacaoFalha : public SincronizacaoFixture,
                           public ::testing::WithParamInterface<FalhaSincronizacao> {};

TEST_P(SincronizacaoFalha, StopsWhereItFailedShowsWhyAndDoesNotFinish) {
    loginAceito = GetParam().loginAceito;
    entidadeRecusada = GetParam().entidadeRecusada;
    entidadeComExcecao = GetParam().entidadeComExcecao;
    pagina()._lblDataHoraSinc->setText("antes");
    sincronizar();
    EXPECT_EQ(chamadas.size(), GetParam().chamadasAteParar);
    for (const std::string& c : chamadas) {
        EXPECT_NE(c, "StatusdConfiguracaoInicial false");
        EXPECT_NE(c, "PostUltimaSincronia");
        EXPECT_NE(c, "Cidades");
    }
    EXPECT_EQ(mensagensNaTela(), QStringList{QString::fromUtf8(GetParam().aviso)});
    EXPECT_TRUE(pagina()._btnSincronizar->isEnabled());
    EXPECT_FALSE(pagina()._imgSinc->animado());
    EXPECT_TRUE(pagina()._lblStatus->text().isEmpty());
    EXPECT_FALSE(pagina()._imgSucesso->isVisibleTo(&pagina()));
    EXPECT_EQ(pagina()._lblDataHoraSinc->text(), "antes");
}

INSTANTIATE_TEST_SUITE_P(
    Falhas, SincronizacaoFalha,
    ::testing::Values(FalhaSincronizacao{"Login", false, "", "",
                                         "falha na conexão com o servidor, verifique sua rede!", 1},
                      FalhaSincronizacao{"Clientes", true, "Clientes", "", "Empresa sem permissão", 4},
                      FalhaSincronizacao{"JsonDosProdutos", true, "", "Produtos",
                                         "[json.exception.parse_error.101] parse error", 5}));

TEST_F(Sincronizacao, TheSuccessPictureHidesWhenTheNextRunStarts) {
    sincronizar();
    ASSERT_TRUE(pagina()._imgSucesso->isVisibleTo(&pagina()));
    loginAceito = false;
    bool visivelDurante = true;
    QTest::mouseClick(pagina()._btnSincronizar, Qt::LeftButton);
    visivelDurante = pagina()._imgSucesso->isVisibleTo(&pagina());
    janela->Workers().AguardarTodos();
    EXPECT_FALSE(visivelDurante);
    EXPECT_FALSE(pagina()._imgSucesso->isVisibleTo(&pagina()));
}

} // namespace mvf
