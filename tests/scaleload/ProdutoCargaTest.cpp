#include "scaleload/tool/ProdutoCarga.h"

#include "core/Locale.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <stdexcept>

namespace mvf {

namespace fs = std::filesystem;

namespace {

ProdutoCarga produto(std::string codigo, std::string descricao, std::string unidade = "KG",
                     std::string codFab = "") {
    ProdutoCarga p;
    p.codigo = std::move(codigo);
    p.descricao = std::move(descricao);
    p.unidade = std::move(unidade);
    p.valor = Currency::fromDecimalText("39.9");
    p.codFab = std::move(codFab);
    return p;
}

TCargaBalItem preenchido(const ProdutoCarga& p) {
    TCargaBalItem item;
    PreencherItemCarga(item, p);
    return item;
}

} // namespace

class ProdutoCargaTest : public ::testing::Test {
protected:
    ScopedLocale br{Locale::brazilian()};
};

TEST_F(ProdutoCargaTest, EveryPropertyOfTheItemTable) {
    TCargaBalItem item = preenchido(produto("0042", "QUEIJO MINAS VC15", "KG", "0,500"));
    EXPECT_EQ(item.ModeloEtiqueta, 1);
    EXPECT_EQ(item.Tipo, TCargaBalTipoVenda::tpvPeso);
    EXPECT_EQ(item.Codigo, 42);
    EXPECT_EQ(item.CodigoFornecedor, 42);
    EXPECT_EQ(item.Descricao, "QUEIJO MINAS");
    EXPECT_EQ(item.Validade, 15);
    EXPECT_EQ(item.ValorVenda, Currency::fromDecimalText("39.9"));
    EXPECT_EQ(item.Tara.TipoTara, 0);
    EXPECT_EQ(item.Tara.Valor, Currency::fromDecimalText("0.05"));
    EXPECT_EQ(item.Teclado.Codigo_Teclado, 42);
    EXPECT_EQ(item.Teclado.Pagina_Teclado, 0);
    EXPECT_EQ(item.Teclado.Tecla, 42);
    EXPECT_EQ(item.InformacaoExtra.Receita, "Receita do item 1");
    EXPECT_EQ(item.Setor.Codigo, 1);
    EXPECT_EQ(item.Setor.Descricao, "GERAL");
    // Untouched properties keep what a new item has.
    TCargaBalItem novo;
    EXPECT_EQ(item.Lote, novo.Lote);
    EXPECT_EQ(item.CodigoTara, novo.CodigoTara);
    EXPECT_EQ(item.InformacaoExtra.Codigo, novo.InformacaoExtra.Codigo);
}

TEST_F(ProdutoCargaTest, OnlyPcAndUnExactlyAreSoldByTheUnit) {
    const std::pair<std::string, TCargaBalTipoVenda> casos[] = {
        {"PC", TCargaBalTipoVenda::tpvUnidade}, {"UN", TCargaBalTipoVenda::tpvUnidade},
        {"KG", TCargaBalTipoVenda::tpvPeso},    {"un", TCargaBalTipoVenda::tpvPeso},
        {"", TCargaBalTipoVenda::tpvPeso},      {"UN ", TCargaBalTipoVenda::tpvPeso}};
    for (const auto& [unidade, tipo] : casos)
        EXPECT_EQ(preenchido(produto("1", "X", unidade)).Tipo, tipo) << "'" << unidade << "'";
}

TEST_F(ProdutoCargaTest, ALargeCodeKeepsItsLow16BitsForTheSupplierCode) {
    TCargaBalItem item = preenchido(produto("70000", "PICANHA"));
    EXPECT_EQ(item.Codigo, 70000);
    EXPECT_EQ(item.CodigoFornecedor, 4464);
    EXPECT_EQ(item.Teclado.Tecla, 70000);
    EXPECT_EQ(preenchido(produto("40000", "X")).CodigoFornecedor, static_cast<std::int16_t>(40000 - 65536));
    EXPECT_EQ(preenchido(produto("1", "X VC70000")).Validade, 4464);
}

TEST_F(ProdutoCargaTest, AnEmptyManufacturerCodeLeavesTheTareAlone) {
    TCargaBalItem item;
    item.Tara.TipoTara = 3;
    item.Tara.Valor = Currency::fromDecimalText("1.5");
    PreencherItemCarga(item, produto("1", "X", "KG", ""));
    EXPECT_EQ(item.Tara.TipoTara, 3);
    EXPECT_EQ(item.Tara.Valor, Currency::fromDecimalText("1.5"));
}

TEST_F(ProdutoCargaTest, BadCodesAndTaresNameTheProduct) {
    const ProdutoCarga ruins[] = {produto("12A", "PAO"),
                                  produto("", "PAO"),
                                  produto("12 ", "PAO"),
                                  produto("99999999999", "PAO"),
                                  produto("7", "PAO", "KG", "abc"),
                                  produto("7", "PAO", "KG", " ")};
    for (const ProdutoCarga& p : ruins) {
        TCargaBalItem item;
        try {
            PreencherItemCarga(item, p);
            ADD_FAILURE() << "taken: code '" << p.codigo << "', tare '" << p.codFab << "'";
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Produto " + p.codigo + " (PAO): ", 0), 0u) << e.what();
        }
    }
    EXPECT_EQ(preenchido(produto(" 007", "X")).Codigo, 7) << "blanks before and leading zeros are fine";
}

TEST_F(ProdutoCargaTest, ARowIsReadByColumnName) {
    std::map<std::string, std::string> linha = {
        {"COD_ORIG", "0099"}, {"ID", "5"},       {"Descricao", "ALCATRA VC3"},
        {"Unidade", "KG"},    {"VALOR", "59.9"}, {"COD_FAB", "0,150"}};
    ProdutoCarga p = ProdutoCargaDaLinha([&](const std::string& c) { return linha[c]; }, "COD_ORIG");
    EXPECT_EQ(p.codigo, "0099");
    EXPECT_EQ(p.descricao, "ALCATRA VC3");
    EXPECT_EQ(p.unidade, "KG");
    EXPECT_EQ(p.valor, Currency::fromDecimalText("59.9"));
    EXPECT_EQ(p.codFab, "0,150");
    EXPECT_EQ(ProdutoCargaDaLinha([&](const std::string& c) { return linha[c]; }, "ID").codigo, "5");
    linha["VALOR"] = "59,9";
    EXPECT_EQ(ProdutoCargaDaLinha([&](const std::string& c) { return linha[c]; }, "ID").valor,
              Currency::fromDecimalText("59.9"));
    linha["VALOR"] = "";
    EXPECT_EQ(ProdutoCargaDaLinha([&](const std::string& c) { return linha[c]; }, "ID").valor, Currency());
}

TEST_F(ProdutoCargaTest, ARamuzaLoadStartsEachLineWithTheCodesLastFourDigits) {
    test::TempDir dir;
    TCargaBal carga;
    GerarCargaProdutos(carga, 8, {produto("123456", "QUEIJO VC5"), produto("42", "PAO", "UN")},
                       dir.path().string());
    std::string texto = dir.read("RAMUZA_ORIGINAL.TXT");
    ASSERT_GE(texto.size(), 24u);
    EXPECT_EQ(texto.substr(0, 12), "3456A0123456");
    std::size_t segunda = texto.find("\r\n") + 2;
    EXPECT_EQ(texto.substr(segunda, 12), "0042A0000042");
    EXPECT_NE(texto.find("##QUEIJO"), std::string::npos);
    EXPECT_EQ(texto.find("VC5"), std::string::npos);
}

TEST_F(ProdutoCargaTest, OtherModelsAreWrittenAsTheWriterWritesThem) {
    test::TempDir dir;
    TCargaBal carga;
    carga.Produtos().New().Codigo = 999; // replaced by the run
    GerarCargaProdutos(carga, 0, {produto("5", "X")}, dir.path().string());
    EXPECT_EQ(carga.Modelo(), TCargaBalModelo::modFilizola);
    ASSERT_EQ(carga.Produtos().Count(), 1u);
    EXPECT_EQ(carga.Produtos()[0].Codigo, 5);
    EXPECT_TRUE(fs::exists(dir / "CADTXT.TXT"));
}

TEST_F(ProdutoCargaTest, ABadProductStopsTheLoadBeforeAnyFileIsWritten) {
    test::TempDir dir;
    TCargaBal carga;
    EXPECT_THROW(GerarCargaProdutos(carga, 8, {produto("1", "A"), produto("X", "B")}, dir.path().string()),
                 std::invalid_argument);
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

} // namespace mvf
