#include "app/loadtool/ProcessadorProdutosBalanca.h"

#include "ServicosCargaFalsos.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace mvf {

using test::ServicosCargaFalsos;

// The worker is kept until the test runs it, then its completion runs as the UI thread would.
class ProcessadorTest : public ::testing::Test {
protected:
    ServicosCargaFalsos servicos;
    std::function<void()> corpoPendente;
    std::function<void(const std::optional<std::string>&)> conclusaoPendente;
    std::vector<std::string> marcas;
    std::vector<std::string> log;
    std::vector<std::string> sincronias;
    std::function<void()> gerar = [this] { servicos.anotar("GerarCarga"); };
    ProcessadorProdutosBalanca processador{servicos, ambiente()};

    AmbienteProdutosBalanca ambiente() {
        AmbienteProdutosBalanca a;
        a.IniciarTrabalhador = [this](std::function<void()> corpo,
                                      std::function<void(const std::optional<std::string>&)> aoConcluir) {
            corpoPendente = std::move(corpo);
            conclusaoPendente = std::move(aoConcluir);
        };
        a.ExecutarNaUi = [this](const std::function<void()>& passo) {
            servicos.anotar("-> UI");
            passo();
        };
        a.GerarCarga = [this] { gerar(); };
        a.MostrarUltimaSincronia = [this](const std::string& texto) { sincronias.push_back(texto); };
        a.RegistrarLog = [this](const std::string& linha) { log.push_back(linha); };
        a.MostrarMarca = [this](const std::string& marca) { marcas.push_back(marca); };
        return a;
    }

    // Runs the pending worker as the thread wrapper would and then its completion.
    void concluirTrabalhador() {
        std::optional<std::string> erro;
        try {
            corpoPendente();
        } catch (const std::exception& e) {
            erro = e.what();
        }
        conclusaoPendente(erro);
    }
};

TEST_F(ProcessadorTest, ARunSynchronisesThenHasTheUiThreadGenerateTheLoad) {
    ASSERT_TRUE(processador.ProcessarProdutoApiBalanca());
    EXPECT_EQ(processador.Marca(), "processando");
    concluirTrabalhador();
    EXPECT_EQ(servicos.chamadas,
              (std::vector<std::string>{"ZerarTagStatus", "RetornaUsuario", "GetDados",
                                        "StatusdConfiguracaoInicial false", "-> UI", "GerarCarga",
                                        "PostUltimaSincronia", "GetUltimaSincronia", "LimparStatus"}));
    EXPECT_EQ(sincronias, (std::vector<std::string>{servicos.ultimaSincronia}));
    EXPECT_EQ(marcas, (std::vector<std::string>{"processando", ""}));
    EXPECT_EQ(processador.Marca(), "");
    EXPECT_TRUE(log.empty());
}

TEST_F(ProcessadorTest, NoSecondWorkerWhileOneIsBusy) {
    ASSERT_TRUE(processador.ProcessarProdutoApiBalanca());
    auto primeiro = corpoPendente;
    corpoPendente = nullptr;
    EXPECT_FALSE(processador.ProcessarProdutoApiBalanca());
    EXPECT_FALSE(corpoPendente) << "a second worker was started";
    corpoPendente = primeiro;
    concluirTrabalhador();
    EXPECT_TRUE(processador.ProcessarProdutoApiBalanca()) << "free again after the completion";
}

TEST_F(ProcessadorTest, AForgottenUserIsReloadedFirst) {
    servicos.usuarioCarregado = false;
    processador.ProcessarProdutoApiBalanca();
    concluirTrabalhador();
    ASSERT_GE(servicos.chamadas.size(), 3u);
    EXPECT_EQ(servicos.chamadas[1], "paramentrosInicias");
    EXPECT_EQ(servicos.chamadas[2], "RetornaUsuario");
}

TEST_F(ProcessadorTest, NoProductsFromTheErpMeansNoLoad) {
    servicos.erpDevolveProdutos = false;
    processador.ProcessarProdutoApiBalanca();
    concluirTrabalhador();
    EXPECT_EQ(servicos.chamadas,
              (std::vector<std::string>{"ZerarTagStatus", "RetornaUsuario", "GetDados",
                                        "StatusdConfiguracaoInicial false", "LimparStatus"}));
}

TEST_F(ProcessadorTest, FailuresLandInTheLogAsTheirMessageAlone) {
    servicos.loginAceito = false;
    processador.ProcessarProdutoApiBalanca();
    concluirTrabalhador();
    EXPECT_EQ(log, (std::vector<std::string>{"Usuário ou senha inválidos"}));
    EXPECT_EQ(servicos.chamadas.back(), "LimparStatus");
    EXPECT_EQ(processador.Marca(), "");

    servicos.loginAceito = true;
    servicos.produtosOk = false;
    processador.ProcessarProdutoApiBalanca();
    concluirTrabalhador();
    EXPECT_EQ(log.back(), "Erro : falha de conexão");

    servicos.produtosOk = true;
    servicos.chamadas.clear();
    gerar = [] { throw std::runtime_error("informe o Diretório"); };
    processador.ProcessarProdutoApiBalanca();
    concluirTrabalhador();
    EXPECT_EQ(log.back(), "informe o Diretório");
    EXPECT_EQ(std::count(servicos.chamadas.begin(), servicos.chamadas.end(), "PostUltimaSincronia"), 0);
}

TEST_F(ProcessadorTest, AWorkerThatCannotStartLeavesNoMarkBehind) {
    AmbienteProdutosBalanca a = ambiente();
    a.IniciarTrabalhador = [](auto, auto) { throw std::runtime_error("sem recursos"); };
    ProcessadorProdutosBalanca p(servicos, a);
    EXPECT_THROW(p.ProcessarProdutoApiBalanca(), std::runtime_error);
    EXPECT_EQ(p.Marca(), "");
}

} // namespace mvf
