#include "app/loadtool/GeracaoCarga.h"

#include "ServicosCargaFalsos.h"
#include "core/Locale.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

namespace mvf {

namespace fs = std::filesystem;
using test::ServicosCargaFalsos;

namespace {

ProdutoCarga produto(std::string codigo, std::string descricao) {
    ProdutoCarga p;
    p.codigo = std::move(codigo);
    p.descricao = std::move(descricao);
    p.unidade = "KG";
    p.valor = Currency::fromDecimalText("10");
    return p;
}

} // namespace

class GeracaoCargaTest : public ::testing::Test {
protected:
    ScopedLocale br{Locale::brazilian()};
    test::TempDir dir;
    ServicosCargaFalsos servicos;
    TCargaBal carga;
    int modelo = 0;
    int campo = 0;
    std::string diretorio = dir.path().string();
    std::vector<std::pair<MsgBoxTypes, std::string>> avisos;
    GeracaoCarga geracao{carga, servicos, pagina()};

    PaginaCargaGeracao pagina() {
        PaginaCargaGeracao p;
        p.CarregarConfiguracao = [this] { servicos.anotar("CarregarConfiguracao"); };
        p.Modelo = [this] { return modelo; };
        p.Diretorio = [this] { return diretorio; };
        p.Campo = [this] { return campo; };
        p.GravarDataUltimaCarga = [this] { servicos.anotar("GravarDataUltimaCarga"); };
        p.Aviso = [this](MsgBoxTypes tipo, const std::string& texto) { avisos.emplace_back(tipo, texto); };
        return p;
    }
};

TEST_F(GeracaoCargaTest, AFullRunWritesTheLoadAndRecordsItsTime) {
    servicos.produtos = {produto("10", "QUEIJO VC5"), produto("9", "PAO")};
    campo = 1;
    ASSERT_TRUE(geracao.Executar());
    EXPECT_EQ(servicos.chamadas,
              (std::vector<std::string>{"CarregarConfiguracao", "ZerarTagStatus", "RetornaUsuario",
                                        "GetDados", "StatusdConfiguracaoInicial false", "ConsultarProdutos",
                                        "GravarDataUltimaCarga", "CarregarConfiguracao"}));
    EXPECT_EQ(servicos.sqlRecebido, "SELECT * FROM PRODUTO WHERE Ativo='S' AND  ID <>'' ORDER by ID desc ");
    EXPECT_EQ(servicos.colunaRecebida, "ID");
    EXPECT_TRUE(avisos.empty());
    EXPECT_TRUE(fs::exists(dir / "CADTXT.TXT"));
    ASSERT_EQ(carga.Produtos().Count(), 2u);
    EXPECT_EQ(carga.Produtos()[0].Codigo, 10) << "in the query's order";
    EXPECT_EQ(carga.Produtos()[0].Descricao, "QUEIJO");
}

TEST_F(GeracaoCargaTest, TheRamuzaFileIsAdjustedAfterTheWriter) {
    servicos.produtos = {produto("123456", "QUEIJO")};
    modelo = 8;
    ASSERT_TRUE(geracao.Executar());
    EXPECT_EQ(dir.read("RAMUZA_ORIGINAL.TXT").substr(0, 12), "3456A0123456");
}

TEST_F(GeracaoCargaTest, ABlankFolderStopsTheRunWithANotice) {
    for (std::string vazio : {"", "   "}) {
        servicos.chamadas.clear();
        avisos.clear();
        diretorio = vazio;
        ASSERT_TRUE(geracao.Executar());
        EXPECT_EQ(avisos,
                  (std::vector<std::pair<MsgBoxTypes, std::string>>{
                      {MsgBoxTypes::mabtErro, "informe o Diretório onde serão gerados os arquivos"}}));
        EXPECT_EQ(servicos.chamadas.back(), "StatusdConfiguracaoInicial false")
            << "no query, no time recorded";
    }
}

TEST_F(GeracaoCargaTest, LoginAndSynchronisationFailuresReachTheCaller) {
    servicos.loginAceito = false;
    try {
        geracao.Executar();
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Usuário ou senha inválidos");
    }
    EXPECT_EQ(servicos.chamadas.back(), "RetornaUsuario");
    servicos.loginAceito = true;
    servicos.produtosOk = false;
    EXPECT_THROW(geracao.Executar(), std::runtime_error);
    EXPECT_FALSE(geracao.EmExecucao()) << "a failed run frees the button";
}

TEST_F(GeracaoCargaTest, ACodeFieldOutsideTheListIsRefusedBeforeTheQuery) {
    campo = 7;
    EXPECT_THROW(geracao.Executar(), std::invalid_argument);
    EXPECT_EQ(std::count(servicos.chamadas.begin(), servicos.chamadas.end(), "ConsultarProdutos"), 0);
}

TEST_F(GeracaoCargaTest, ErrorsWhileBuildingTheLoadAreShownAndNoTimeIsRecorded) {
    servicos.produtos = {produto("12A", "PAO")};
    ASSERT_TRUE(geracao.Executar());
    ASSERT_EQ(avisos.size(), 1u);
    EXPECT_EQ(avisos[0].first, MsgBoxTypes::mabtErro);
    EXPECT_EQ(avisos[0].second.rfind("Ocorreu o seguinte erro:\nProduto 12A (PAO): ", 0), 0u)
        << avisos[0].second;
    EXPECT_EQ(std::count(servicos.chamadas.begin(), servicos.chamadas.end(), "GravarDataUltimaCarga"), 0);

    avisos.clear();
    servicos.produtos.clear();
    ASSERT_TRUE(geracao.Executar());
    ASSERT_EQ(avisos.size(), 1u) << "the writer refuses an empty product list";
    EXPECT_EQ(avisos[0].second.rfind("Ocorreu o seguinte erro:\n", 0), 0u);

    avisos.clear();
    servicos.produtos = {produto("1", "PAO")};
    diretorio = (dir / "sumiu").string();
    ASSERT_TRUE(geracao.Executar());
    ASSERT_EQ(avisos.size(), 1u) << "a folder that vanished";
}

TEST_F(GeracaoCargaTest, ASecondRunWhileOneIsUnderWayIsRefused) {
    servicos.produtos = {produto("1", "PAO"), produto("2", "LEITE")};
    std::vector<bool> aninhadas;
    carga.SetOnProgresso([&](std::string, int, int) { aninhadas.push_back(geracao.Executar()); });
    ASSERT_TRUE(geracao.Executar());
    ASSERT_FALSE(aninhadas.empty());
    EXPECT_EQ(std::count(aninhadas.begin(), aninhadas.end(), true), 0);
    EXPECT_EQ(std::count(servicos.chamadas.begin(), servicos.chamadas.end(), "GravarDataUltimaCarga"), 1);
    EXPECT_TRUE(avisos.empty());
}

} // namespace mvf
