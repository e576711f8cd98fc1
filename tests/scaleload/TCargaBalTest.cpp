#include "scaleload/TCargaBal.h"

#include "CargaTestes.h"
#include "core/FileWriteError.h"
#include "core/Locale.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <vector>

namespace mvf {
namespace {

namespace fs = std::filesystem;
using M = TCargaBalModelo;

// The separator the writer puts between the folder text and the file name.
#ifdef _WIN32
const std::string kSeparador = "\\";
#else
const std::string kSeparador = "/";
#endif

struct Chamada {
    std::string mensagem;
    int atual;
    int total;
    bool operator==(const Chamada&) const = default;
};

// An item that fills every role a model can fill.
void preencherCompleto(TCargaBalItem& item, std::int32_t codigo) {
    item.Codigo = codigo;
    item.Descricao = "QUEIJO MINAS";
    item.ValorVenda = Currency::fromTicks(399000);
    item.Setor.Codigo = 1;
    item.Setor.Descricao = "FRIOS";
    item.Nutricional.Codigo = 3;
    item.Nutricional.Descricao = "TABELA";
    item.Nutricional.Qtd = 30;
    item.InformacaoExtra.Receita = "LEITE, SAL E COALHO";
    item.Tara.Codigo = 2;
    item.Tara.Valor = Currency::fromTicks(1500);
    item.Fornecedor->Codigo = 4;
    item.Fracionador->Codigo = 5;
    item.Conservacao->Codigo = 6;
    item.Extra1->Codigo = 7;
    item.Extra2->Codigo = 8;
    item.Teclado.Tecla = 9;
}

std::size_t entradas(const fs::path& dir) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir))
        ++n;
    return n;
}

TEST(TCargaBal, ValidationErrorsComeFirstAndKeepTheLastList) {
    test::TempDir dir;
    TCargaBal carga;
    carga.SetModelo(M::modRamuza);
    carga.Produtos().New().Codigo = 1;
    carga.GerarArquivos(dir.path().string());
    ASSERT_EQ(carga.ArquivosGerados().size(), 1u);

    auto mensagem = [&](const std::string& pasta) {
        try {
            carga.GerarArquivos(pasta);
        } catch (const ECargaBal& e) {
            return std::string(e.what());
        }
        return std::string("sem erro");
    };
    EXPECT_EQ(mensagem(""), "Informe o diretório onde serão gerados os arquivos de carga!");
    EXPECT_EQ(mensagem(" \t "), "Informe o diretório onde serão gerados os arquivos de carga!");
    EXPECT_EQ(mensagem((dir / "nao-existe").string()), "Diretorio informado não existe!");
    // Blanks around an existing folder pass the first check but not the second.
    EXPECT_EQ(mensagem(" " + dir.path().string()), "Diretorio informado não existe!");
    carga.Produtos().Clear();
    EXPECT_EQ(mensagem(dir.path().string()), "Não foram informados os produtos para a geração!");
    EXPECT_EQ(carga.ArquivosGerados().size(), 1u);
}

TEST(TCargaBal, ProgressRunsFromStartToTerminadoAfterTheFiles) {
    test::TempDir dir;
    TCargaBal carga;
    carga.SetModelo(M::modToledoMGV6);
    carga.Produtos().New().Codigo = 42;
    carga.Produtos()[0].Descricao = "QUEIJO MINAS";
    carga.Produtos().New().Codigo = -7;
    carga.Produtos().New().Codigo = 1234567;
    std::vector<Chamada> chamadas;
    carga.SetOnProgresso([&](std::string m, int a, int t) {
        if (m == "Terminado") {
            EXPECT_TRUE(fs::exists(dir / "ITENSMGV.TXT"));
        }
        chamadas.push_back({m, a, t});
    });
    carga.GerarArquivos(dir.path().string());
    const std::vector<Chamada> esperadas = {{"Iniciando a geração dos arquivos", 0, 3},
                                            {"Gerando produto 000042 QUEIJO MINAS", 0, 3},
                                            {"Gerando produto -000007 ", 1, 3},
                                            {"Gerando produto 1234567 ", 2, 3},
                                            {"Terminado", 3, 3}};
    EXPECT_EQ(chamadas, esperadas);
}

struct ModeloArquivos {
    M modelo;
    std::string nome;
    std::vector<std::string> arquivos;
};

class ArquivosPorModelo : public ::testing::TestWithParam<ModeloArquivos> {};

TEST_P(ArquivosPorModelo, WritesItsRolesInSaveOrder) {
    const auto& c = GetParam();
    TCargaBal carga;
    carga.SetModelo(c.modelo);
    EXPECT_EQ(carga.ModeloStr(), c.nome);
    preencherCompleto(carga.Produtos().New(), 10);
    const auto g = test::gerarCarga(carga);
    EXPECT_EQ(g.nomes, c.arquivos);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ArquivosPorModelo,
    ::testing::Values(
        ModeloArquivos{
            M::modFilizola, "Filizola", {"CADTXT.TXT", "SETORTXT.TXT", "REC_ASS.TXT", "NUTRI.TXT"}},
        ModeloArquivos{M::modToledo, "Toledo", {"TXITENS.TXT"}},
        ModeloArquivos{M::modUrano, "Urano", {"PRODUTOS.TXT"}},
        ModeloArquivos{M::modUranoS, "Urano (S)", {"PRODUTOS.TXT"}},
        ModeloArquivos{M::modToledoMGV5,
                       "Toledo MGV5",
                       {"ITENSMGV.TXT", "DEPTO.TXT", "TXINFO.TXT", "INFNUTRI.TXT", "TARA.TXT", "TXFORN.TXT",
                        "FRACIONA.TXT", "CONSERVA.TXT", "TXTECLAS.TXT"}},
        ModeloArquivos{M::modToledoMGV6,
                       "Toledo MGV6",
                       {"ITENSMGV.TXT", "DEPTO.TXT", "TXINFO.TXT", "INFNUTRI.TXT", "TARA.TXT", "TXFORN.TXT",
                        "FRACIONA.TXT", "CAMPEXT1.TXT", "CAMPEXT2.TXT", "CONSERVA.TXT", "TXTECLAS.TXT"}},
        ModeloArquivos{M::modToledoMGV7,
                       "Toledo MGV7",
                       {"ITENSMGV.TXT", "DEPTO.TXT", "TXINFO.TXT", "INFNUTRI.TXT", "TARA.TXT", "TXFORN.TXT",
                        "FRACIONA.TXT", "CAMPEXT1.TXT", "CAMPEXT2.TXT", "CONSERVA.TXT", "TXTECLAS.TXT"}},
        ModeloArquivos{M::modUranoURF32,
                       "Urano URF32",
                       {"PRODUTOS.TXT", "RECEITAS.TXT", "INFORMACOESNUTRICIONAIS.TXT",
                        "PRODUTOSINFORMACOESNUTRICIONAIS.TXT", "PRODUTOSRECEITAS.TXT"}},
        ModeloArquivos{M::modRamuza, "Ramuza", {"RAMUZA_ORIGINAL.TXT"}},
        ModeloArquivos{M::modToledoMGV5Ver1,
                       "Toledo MGV5 Ver1",
                       {"ITENSMGV.TXT", "DEPTO.TXT", "TXINFO.TXT", "INFNUTRI.TXT", "TARA.TXT", "TXFORN.TXT",
                        "FRACIONA.TXT", "CONSERVA.TXT"}},
        ModeloArquivos{M::modTriunfoRdc429,
                       "Triunfo MGV5 Ver2 RDC429",
                       {"ITENSMGV.TXT", "DEPTO.TXT", "TXINFO.TXT", "INFNUTRI.TXT", "TARA.TXT", "TXFORN.TXT",
                        "FRACIONA.TXT", "CAMPEXT1.TXT", "CAMPEXT2.TXT", "CONSERVA.TXT", "TXTECLAS.TXT"}}));

TEST(TCargaBal, ModelOutsideTheElevenWritesNothingButReportsProgress) {
    test::TempDir dir;
    TCargaBal carga;
    carga.SetModelo(static_cast<M>(11));
    EXPECT_EQ(carga.ModeloStr(), "");
    preencherCompleto(carga.Produtos().New(), 1);
    std::vector<std::string> mensagens;
    carga.SetOnProgresso([&](std::string m, int, int) { mensagens.push_back(m); });
    carga.GerarArquivos(dir.path().string());
    EXPECT_TRUE(carga.ArquivosGerados().empty());
    EXPECT_EQ(mensagens, (std::vector<std::string>{"Iniciando a geração dos arquivos", "Terminado"}));
    EXPECT_EQ(entradas(dir.path()), 0u);
}

TEST(TCargaBal, PathsFollowTheFolderTextAndOldFilesOfUnusedRolesStay) {
    test::TempDir dir;
    dir.write("DEPTO.TXT", "antigo");
    dir.write("ITENSMGV.TXT", "antigo");
    TCargaBal carga;
    carga.SetModelo(M::modToledoMGV6);
    carga.Produtos().New().Codigo = 1; // no department: DEPTO.TXT is left alone
    const std::string comBarra = dir.path().string() + "/";
    carga.GerarArquivos(comBarra);
    ASSERT_EQ(carga.ArquivosGerados().size(), 1u);
    EXPECT_EQ(carga.ArquivosGerados()[0], comBarra + "ITENSMGV.TXT");
    carga.GerarArquivos(dir.path().string());
    EXPECT_EQ(carga.ArquivosGerados()[0], dir.path().string() + kSeparador + "ITENSMGV.TXT");
    EXPECT_EQ(dir.read("DEPTO.TXT"), "antigo");
    EXPECT_NE(dir.read("ITENSMGV.TXT"), "antigo");
}

TEST(TCargaBal, CrLfAfterEveryLineAndWindows1252) {
    TCargaBal carga;
    carga.SetModelo(M::modToledoMGV6);
    auto& a = carga.Produtos().New();
    a.Codigo = 1;
    a.Setor.Codigo = 1;
    a.Setor.Descricao = "AÇOUGUE €";
    auto& b = carga.Produtos().New();
    b.Codigo = 2;
    b.Setor.Codigo = 2;
    b.Setor.Descricao = "Ж";
    const auto g = test::gerarCarga(carga);
    const std::string esperado =
        "01A\xC7OUGUE \x80" + std::string(31, ' ') + "\r\n02?" + std::string(39, ' ') + "\r\n";
    EXPECT_EQ(g.bytes.at("DEPTO.TXT"), esperado);
    const std::string& itens = g.bytes.at("ITENSMGV.TXT");
    EXPECT_EQ(itens.size(), 2u * 152);
    EXPECT_EQ(itens.substr(150, 2), "\r\n");
    EXPECT_EQ(itens.substr(302, 2), "\r\n");
}

TEST(TCargaBal, ReadOnlyFileStopsTheRunKeepingEarlierFilesListed) {
    test::TempDir dir;
    dir.write("TXINFO.TXT", "protegido");
    fs::permissions(dir / "TXINFO.TXT",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    TCargaBal carga;
    carga.SetModelo(M::modToledoMGV6);
    preencherCompleto(carga.Produtos().New(), 10);
    bool terminou = false;
    carga.SetOnProgresso([&](const std::string& m, int, int) { terminou = terminou || m == "Terminado"; });
    try {
        carga.GerarArquivos(dir.path().string());
        FAIL() << "no error";
    } catch (const FileWriteError& e) {
        EXPECT_NE(std::string(e.what()).find("TXINFO.TXT"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(terminou);
    const std::string pasta = dir.path().string() + kSeparador;
    EXPECT_EQ(carga.ArquivosGerados(),
              (std::vector<std::string>{pasta + "ITENSMGV.TXT", pasta + "DEPTO.TXT"}));
    EXPECT_EQ(dir.read("TXINFO.TXT"), "protegido");
    EXPECT_EQ(entradas(dir.path()), 3u); // no temporary file left behind
}

TEST(TCargaBal, ToledoWritesOnlyItsItemFile) {
    TCargaBal carga;
    carga.SetModelo(M::modToledo);
    preencherCompleto(carga.Produtos().New(), 10);
    preencherCompleto(carga.Produtos().New(), 10);
    const auto g = test::gerarCarga(carga);
    ASSERT_EQ(g.nomes, std::vector<std::string>{"TXITENS.TXT"});
    const auto linhas = g.linhas("TXITENS.TXT");
    ASSERT_EQ(linhas.size(), 2u);
    EXPECT_EQ(linhas[0].size(), 320u);
    EXPECT_EQ(test::campo(linhas[0], 71, 250), "LEITE, SAL E COALHO" + std::string(231, ' '));
}

} // namespace
} // namespace mvf
