#include "scaleload/TCargaBal.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace mvf {
namespace {

namespace fs = std::filesystem;

struct Execucao {
    int codigo;
    std::string saida;
    std::string erros;
};

std::string aspas(const std::string& s) {
    return "'" + s + "'";
}

Execucao executar(const test::TempDir& dir, const std::string& argumentos) {
    const std::string comando = std::string(MVF_EXECUTABLE) + " carga " + argumentos + " >" +
                                aspas((dir / "saida.txt").string()) + " 2>" +
                                aspas((dir / "erros.txt").string());
    const int status = std::system(comando.c_str());
    Execucao e;
    e.codigo = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    e.saida = test::readFile(dir / "saida.txt");
    e.erros = test::readFile(dir / "erros.txt");
    return e;
}

// Every key of the input, with values away from the defaults.
const char* kItemCompleto = R"({
  "Codigo": 1234, "Descricao": "PÃO DE QUEIJO", "Tipo": "tpvUnidade", "ValorVenda": 12.3456,
  "Validade": 30, "TipoValidade": "tpvMeses", "ModeloEtiqueta": 2, "Lote": "L7", "ImpValidade": 0,
  "ImpEmbalagem": 0, "CodigoFornecedor": 5, "CodigoTara": 6, "CodigoFracionador": 7,
  "CodigoConservacao": 8, "CodigoExtra1": 9, "CodigoExtra2": 10, "EAN13Fornecedor": "7891234",
  "CodigoTexto1": 1, "CodigoTexto2": 2, "CodigoTexto3": 3, "CodigoInfoNutr": 4,
  "Setor": {"Codigo": 3, "Descricao": "PADARIA"},
  "Nutricional": {"Codigo": 11, "Descricao": "PAO", "Qtd": 50, "UndPorcao": "tpUnidades", "PartInteira": 1,
    "PartDecimal": "tpPara12", "MedCaseira": "tpFatia", "ValorEnergetico": 150, "Carboidrato": 20.55,
    "Proteina": 3.2, "GorduraTotal": 5.0, "GorduraSaturada": 1.1, "GorduraTrans": 0.2, "Fibra": 0.9,
    "Sodio": 210.4, "QtdeAutomaticaPorcao429": true, "QtdePorcEmb429": 10, "QtdePorcao429": 50,
    "UndPorcao429": "tpMililitros429", "PartIntMedidaCaseira429": 2, "PartDecMedidaCaseira429": "tpPara34_429",
    "MedCaseira429": "tpPratoRaso429", "ValorEnergetico429": 160, "Carboidrato429": 21.5,
    "AcucaresTotais429": 2.35, "AcucaresAdicionados429": 1.5, "Proteinas429": 3.3, "GordurasTotais429": 5.1,
    "GordurasSaturadas429": 1.2, "GordurasTrans429": 0.3, "FibraAlimentar429": 1.0, "Sodio429": 220.5,
    "AltoAcucar429": 1, "AltoGordura429": 0, "AltoSodio429": 1, "Lactose429": 0.5, "Galactose429": 0.25,
    "ImprimeLactoseGalactose": 1, "ImprimeCamposEstendido": true, "AcucaresAdicionadosEstendido429": 1.25,
    "AcucaresTotaisEstendido429": 2.5, "GordurasTotaisEstendido429": 5.5, "ProteinasEstendido429": 3.75},
  "Tara": {"Codigo": 6, "Descricao": "BANDEJA", "Valor": 0.015, "TipoTara": 1, "ValorMaximoTara": 0.1},
  "Fornecedor": {"Codigo": 5, "Observacao": "F", "Descricao1": "F1", "Descricao2": "F2", "Descricao3": "F3",
    "Descricao4": "F4", "Descricao5": "F5"},
  "Fracionador": {"Codigo": 7, "Observacao": "R", "Descricao1": "R1", "Descricao2": "R2", "Descricao3": "R3"},
  "Conservacao": {"Codigo": 8, "Observacao": "C", "Descricao1": "C1", "Descricao2": "C2", "Descricao3": "C3"},
  "InformacaoExtra": {"Codigo": 0, "Observacao": "OBS", "Receita": "FARINHA, QUEIJO, OVOS"},
  "Teclado": {"Tecla": 4, "Pagina_Teclado": 2, "Codigo_Teclado": 3},
  "Extra1": {"Codigo": 9, "Observacao": "E", "Linha1": "A1", "Linha2": "A2", "Linha3": "A3", "Linha4": "A4",
    "Linha5": "A5"},
  "Extra2": {"Codigo": 10, "Observacao": "X", "Linha1": "B1", "Linha2": "B2", "Linha3": "B3", "Linha4": "B4",
    "Linha5": "B5"}
})";

void preencherCompleto(TCargaBalItem& i) {
    i.Codigo = 1234;
    i.Descricao = "PÃO DE QUEIJO";
    i.Tipo = TCargaBalTipoVenda::tpvUnidade;
    i.ValorVenda = Currency::fromTicks(123456);
    i.Validade = 30;
    i.TipoValidade = TCargaBalTipoValidade::tpvMeses;
    i.ModeloEtiqueta = 2;
    i.Lote = "L7";
    i.ImpValidade = 0;
    i.ImpEmbalagem = 0;
    i.CodigoFornecedor = 5;
    i.CodigoTara = 6;
    i.CodigoFracionador = 7;
    i.CodigoConservacao = 8;
    i.CodigoExtra1 = 9;
    i.CodigoExtra2 = 10;
    i.EAN13Fornecedor = "7891234";
    i.Setor = {3, "PADARIA"};
    auto& n = i.Nutricional;
    n.Codigo = 11;
    n.Descricao = "PAO";
    n.Qtd = 50;
    n.UndPorcao = TCargaBalNutriUndPorcao::tpUnidades;
    n.PartInteira = 1;
    n.PartDecimal = TCargaBalNutriPartdecimal::tpPara12;
    n.MedCaseira = TCargaBalNutriMedCaseira::tpFatia;
    n.ValorEnergetico = 150;
    n.Carboidrato = Currency::fromTicks(205500);
    n.Proteina = Currency::fromTicks(32000);
    n.GorduraTotal = Currency::fromTicks(50000);
    n.GorduraSaturada = Currency::fromTicks(11000);
    n.GorduraTrans = Currency::fromTicks(2000);
    n.Fibra = Currency::fromTicks(9000);
    n.Sodio = Currency::fromTicks(2104000);
    n.QtdeAutomaticaPorcao429 = true;
    n.QtdePorcEmb429 = 10;
    n.QtdePorcao429 = 50;
    n.UndPorcao429 = TCargaBalNutriUndPorcao429::tpMililitros429;
    n.PartIntMedidaCaseira429 = 2;
    n.PartDecMedidaCaseira429 = TCargaBalNutriPartdecimal429::tpPara34_429;
    n.MedCaseira429 = TCargaBalNutriMedCaseira429::tpPratoRaso429;
    n.ValorEnergetico429 = 160;
    n.Carboidrato429 = Currency::fromTicks(215000);
    n.AcucaresTotais429 = 2.35;
    n.AcucaresAdicionados429 = 1.5;
    n.Proteinas429 = 3.3;
    n.GordurasTotais429 = 5.1;
    n.GordurasSaturadas429 = 1.2;
    n.GordurasTrans429 = 0.3;
    n.FibraAlimentar429 = 1.0;
    n.Sodio429 = 220.5;
    n.AltoAcucar429 = 1;
    n.AltoSodio429 = 1;
    n.Lactose429 = 0.5;
    n.Galactose429 = 0.25;
    n.ImprimeLactoseGalactose = 1;
    n.ImprimeCamposEstendido = true;
    n.AcucaresAdicionadosEstendido429 = 1.25;
    n.AcucaresTotaisEstendido429 = 2.5;
    n.GordurasTotaisEstendido429 = 5.5;
    n.ProteinasEstendido429 = 3.75;
    i.Tara.Codigo = 6;
    i.Tara.Descricao = "BANDEJA";
    i.Tara.Valor = Currency::fromTicks(150);
    i.Tara.TipoTara = 1;
    i.Tara.ValorMaximoTara = Currency::fromTicks(1000);
    i.Fornecedor = TCargaBalFornecedor{5, "F", "F1", "F2", "F3", "F4", "F5"};
    i.Fracionador = TCargaBalFracionador{7, "R", "R1", "R2", "R3"};
    i.Conservacao = TCargaBalConservacao{8, "C", "C1", "C2", "C3"};
    i.InformacaoExtra = {0, "OBS", "FARINHA, QUEIJO, OVOS"};
    i.Teclado = {4, 2, 3};
    i.Extra1 = TCargaBalExtra1{9, "E", "A1", "A2", "A3", "A4", "A5"};
    static_cast<TCargaBalExtra1&>(*i.Extra2) = {10, "X", "B1", "B2", "B3", "B4", "B5"};
}

class CargaCommand : public ::testing::TestWithParam<int> {};

// The command writes exactly what the writer writes for the same items, for every model.
TEST_P(CargaCommand, SameBytesAsTheWriter) {
    test::TempDir dir;
    dir.write("itens.json", std::string("[") + kItemCompleto + ", {\"Codigo\": 7}]");
    fs::create_directory(dir / "cli");
    fs::create_directory(dir / "direto");
    const int modelo = GetParam();
    const auto e =
        executar(dir, "--modelo " + std::to_string(modelo) + " --dir " + aspas((dir / "cli").string()) +
                          " --itens " + aspas((dir / "itens.json").string()) + " --decimal , --milhar .");
    ASSERT_EQ(e.codigo, 0) << e.erros;

    TCargaBal carga;
    carga.SetModelo(static_cast<TCargaBalModelo>(modelo));
    preencherCompleto(carga.Produtos().New());
    carga.Produtos().New().Codigo = 7;
    carga.GerarArquivos((dir / "direto").string());

    std::string esperado;
    for (const auto& caminho : carga.ArquivosGerados()) {
        const std::string nome = fs::path(caminho).filename().string();
        esperado += (dir / "cli" / nome).string() + "\n";
        EXPECT_EQ(test::readFile(dir / "cli" / nome), test::readFile(caminho)) << nome;
    }
    EXPECT_EQ(e.saida, esperado);
}

INSTANTIATE_TEST_SUITE_P(EveryModel, CargaCommand, ::testing::Range(0, 11));

TEST(CargaCommandErros, BadInputNamesTheKeyAndTheItem) {
    test::TempDir dir;
    struct Caso {
        std::string json;
        std::vector<std::string> trechos;
    };
    const std::vector<Caso> casos = {
        {R"([{"Codigo": 1}, {"Setor": {"Codig": 2}}])", {"item 2", "Setor.Codig"}},
        {R"([{"Codigo": "1"}])", {"item 1", "Codigo"}},
        {R"([{"Descricao": 5}])", {"Descricao"}},
        {R"([{"ValorVenda": "3,50"}])", {"ValorVenda"}},
        {R"([{"Validade": 40000}])", {"Validade", "faixa"}},
        {R"([{"Codigo": 1.5}])", {"Codigo"}},
        {R"([{"Tipo": "peso"}])", {"Tipo", "tpvPeso"}},
        {R"([{"Tara": 5}])", {"Tara"}},
        {R"([{"Extra": {}}])", {"Extra"}},
        {R"([{"Nutricional": {"Sodio429": 1e300}}])", {"Nutricional.Sodio429"}},
        {R"([{"Codigo": 1}, 5])", {"item 2"}},
        {R"({"Codigo": 1})", {"lista"}},
        {R"([{"Codigo": 1)", {"JSON"}},
    };
    for (const auto& c : casos) {
        dir.write("itens.json", c.json);
        const auto e = executar(dir, "--modelo modToledoMGV6 --dir " + aspas(dir.path().string()) +
                                         " --itens " + aspas((dir / "itens.json").string()));
        EXPECT_EQ(e.codigo, 1) << c.json;
        for (const auto& t : c.trechos)
            EXPECT_NE(e.erros.find(t), std::string::npos) << c.json << " -> " << e.erros;
        EXPECT_FALSE(fs::exists(dir / "ITENSMGV.TXT")) << c.json;
    }
}

TEST(CargaCommandErros, ValidationAndUsage) {
    test::TempDir dir;
    dir.write("itens.json", "[]");
    const std::string itens = " --itens " + aspas((dir / "itens.json").string());
    auto e = executar(dir, "--modelo 5 --dir " + aspas(dir.path().string()) + itens);
    EXPECT_EQ(e.codigo, 1);
    EXPECT_EQ(e.erros, "Não foram informados os produtos para a geração!\n");
    dir.write("itens.json", "[{}]");
    e = executar(dir, "--modelo 5 --dir " + aspas((dir / "falta").string()) + itens);
    EXPECT_EQ(e.codigo, 1);
    EXPECT_EQ(e.erros, "Diretorio informado não existe!\n");
    e = executar(dir, "--modelo 5 --dir ' '" + itens);
    EXPECT_EQ(e.erros, "Informe o diretório onde serão gerados os arquivos de carga!\n");
    for (const std::string& args :
         {"--modelo 11 --dir x" + itens, "--modelo modNada --dir x" + itens, "--dir x" + itens,
          std::string("--modelo 1 --dir x --itens a --decimal ,,"),
          std::string("--modelo 1 --dir x --itens a --outra 1")})
        EXPECT_EQ(executar(dir, args).codigo, 2) << args;
}

TEST(CargaCommandErros, DecimalOptionReachesUrano) {
    test::TempDir dir;
    dir.write("itens.json", R"([{"Codigo": 1, "ValorVenda": 12.5}])");
    const auto e = executar(dir, "--modelo=modUrano --dir=" + aspas(dir.path().string()) + " --itens " +
                                     aspas((dir / "itens.json").string()) + " --decimal .");
    ASSERT_EQ(e.codigo, 0) << e.erros;
    EXPECT_NE(dir.read("PRODUTOS.TXT").find("000012.50"), std::string::npos);
}

} // namespace
} // namespace mvf
