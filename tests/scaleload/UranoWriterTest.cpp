#include "scaleload/UranoWriter.h"
#include "scaleload/Urf32Writer.h"

#include "CargaTestes.h"
#include "core/Locale.h"

#include <gtest/gtest.h>

namespace mvf {
namespace {

using M = TCargaBalModelo;
using test::campo;
using test::queijo;

const std::string STX = "\x02", ETX = "\x03", LF = "\x0A", VT = "\x0B", FF = "\x0C", DLE = "\x10";

TEST(Urano, WorkedExampleUranoS) {
    const std::string corpo = "000042P"
                              "QUEIJO MINAS" +
                              std::string(18, ' ') +
                              "000039.90"
                              "0015"
                              "D0000" +
                              std::string(28, ' ');
    ASSERT_EQ(corpo.size(), 83u);
    EXPECT_EQ(UranoWriter::checksum(corpo, false), "0e28");
    // whatever the regional separator, Urano S writes "."
    const std::string linha = UranoWriter(M::modUranoS, ',').registroA(queijo());
    EXPECT_EQ(linha, DLE + STX + corpo + "0e28" + ETX);
    EXPECT_EQ(linha.size(), 90u);
}

TEST(Urano, WorkedExampleUrano) {
    const std::string linha = UranoWriter(M::modUrano, ',').registroA(queijo());
    EXPECT_EQ(linha, LF + STX +
                         "00042P"
                         "QUEIJO MINAS" +
                         std::string(8, ' ') +
                         "000039,90"
                         "0015"
                         "D"
                         "0882" +
                         ETX);
    EXPECT_EQ(linha.size(), 47u);
}

TEST(Urano, WholeRunUsesTheRegionalSeparatorForUranoOnly) {
    for (const char separador : {',', '.'}) {
        Locale locale = Locale::brazilian();
        locale.decimalSeparator = separador;
        ScopedLocale scoped(locale);
        TCargaBal urano;
        urano.SetModelo(M::modUrano);
        auto& item = urano.Produtos().New();
        item.Codigo = 1;
        item.ValorVenda = Currency::fromTicks(125000);
        EXPECT_EQ(campo(test::gerarCarga(urano).linhas("PRODUTOS.TXT")[0], 29, 9),
                  std::string("000012") + separador + "50");
        TCargaBal uranoS;
        uranoS.SetModelo(M::modUranoS);
        uranoS.Produtos().New() = item;
        EXPECT_EQ(campo(test::gerarCarga(uranoS).linhas("PRODUTOS.TXT")[0], 40, 9), "000012.50");
    }
}

TEST(Urano, RecordsBAndC) {
    const UranoWriter urano(M::modUrano, ',');
    TCargaBalItem item = queijo();
    item.Nutricional.Qtd = 5;
    item.InformacaoExtra.Receita = "LEITE";
    const std::string b = urano.registroB(item);
    ASSERT_EQ(b.size(), 256u);
    EXPECT_EQ(b.substr(0, 2), VT + STX);
    test::expectCampos(b, {{3, 40, campo(urano.registroA(item), 3, 40)},
                           {43, 209, std::string(209, ' ')},
                           {252, 4, UranoWriter::checksum(b.substr(0, 251), true)}});
    EXPECT_EQ(b.back(), '\x03');

    const std::string c = urano.registroC(item);
    ASSERT_EQ(c.size(), 662u); // with nutrition: no 209-space block
    EXPECT_EQ(c.substr(0, 2), FF + STX);
    EXPECT_EQ(campo(c, 43, 615), "LEITE" + std::string(610, ' '));
    EXPECT_EQ(campo(c, 658, 4), UranoWriter::checksum(c.substr(0, 657), true));

    item.Nutricional.Qtd = 0;
    const std::string c2 = urano.registroC(item);
    ASSERT_EQ(c2.size(), 871u);
    EXPECT_EQ(campo(c2, 43, 209), std::string(209, ' '));
    EXPECT_EQ(campo(c2, 252, 5), "LEITE");

    // Urano S keeps Urano's B and C, with five-digit codes and "." prices.
    const UranoWriter uranoS(M::modUranoS, ',');
    item.Codigo = 123456;
    EXPECT_EQ(campo(uranoS.registroC(item), 3, 40), "12345P"
                                                    "QUEIJO MINAS" +
                                                        std::string(8, ' ') +
                                                        "000039.90"
                                                        "0015"
                                                        "D");
}

TEST(Urano, RunOrderAndCounts) {
    TCargaBal carga;
    carga.SetModelo(M::modUrano);
    auto& a = carga.Produtos().New();
    a = queijo();
    a.Nutricional.Qtd = 5;
    a.InformacaoExtra.Receita = "X"; // any non-empty recipe gives record C
    auto& b = carga.Produtos().New();
    b = queijo(); // duplicates are kept
    const auto linhas = test::gerarCarga(carga).linhas("PRODUTOS.TXT");
    ASSERT_EQ(linhas.size(), 4u);
    EXPECT_EQ(linhas[0][0], '\x0A');
    EXPECT_EQ(linhas[1][0], '\x0B');
    EXPECT_EQ(linhas[2][0], '\x0C');
    EXPECT_EQ(linhas[3], linhas[0]);
}

TEST(Urano, ChecksumGrowsPastFfffAndUsesUnicodeCodes) {
    EXPECT_EQ(UranoWriter::checksum(std::string(600, '\x7F'), true), "129A8"); // 600 x 127 = 76200
    EXPECT_EQ(UranoWriter::checksum("A", true), "0041");
    EXPECT_EQ(UranoWriter::checksum("\xC3\xBF", false), "00ff");

    const UranoWriter urano(M::modUrano, ',');
    TCargaBalItem item = queijo();
    item.InformacaoExtra.Receita = std::string(615, '~');
    const std::string c = urano.registroC(item);
    EXPECT_EQ(c.size(), 872u);

    // Ж (U+0416) counts 0x416 in the sum and is written as "?" in the file.
    item = queijo();
    item.Descricao = "Ж";
    const std::string a = urano.registroA(item);
    const std::string comInterrogacao = a.substr(0, 8) + "?" + a.substr(10, 32);
    EXPECT_EQ(campo(a, 44, 4), // one character longer in UTF-8 bytes
              UranoWriter::checksum(a.substr(0, 43), true));
    EXPECT_NE(UranoWriter::checksum(comInterrogacao, true), campo(a, 44, 4));
    TCargaBal carga;
    carga.SetModelo(M::modUrano);
    carga.Produtos().New() = item;
    EXPECT_EQ(test::gerarCarga(carga).linhas("PRODUTOS.TXT")[0].substr(8, 1), "?");
}

TEST(Urano, NegativeAndLargePricesGrowTheLine) {
    const UranoWriter urano(M::modUrano, ',');
    TCargaBalItem item = queijo();
    item.ValorVenda = Currency::fromTicks(-35000);
    const std::string a = urano.registroA(item);
    EXPECT_EQ(a.size(), 48u);
    EXPECT_EQ(campo(a, 29, 10), "-000003,50");
    item.ValorVenda = Currency::fromUnits(1000000);
    EXPECT_EQ(campo(urano.registroA(item), 29, 10), "1000000,00");
}

TCargaBalItem produtoUrf32(std::int32_t codigo) {
    TCargaBalItem item = queijo();
    item.Codigo = codigo;
    item.Tipo = TCargaBalTipoVenda::tpvUnidade;
    item.TipoValidade = TCargaBalTipoValidade::tpvMeses;
    return item;
}

TEST(Urf32, ProductRecordAndPrice) {
    const Urf32Writer w('.', ',');
    const std::string p = w.registroProduto(produtoUrf32(42));
    EXPECT_EQ(p, "    42*6QUEIJO MINAS        "
                 "    39,90"
                 "   15M");
    EXPECT_EQ(p.size(), 43u);
    struct Caso {
        std::int64_t ticks;
        char milhar, decimal;
        std::string esperado;
    };
    for (const Caso& c : {Caso{125000, '.', ',', "    12,50"}, Caso{12345000, '.', ',', " 1,234,50"},
                          Caso{12345000, ',', '.', " 1,234,50"}, Caso{12345678900, '.', ',', "1,234,567"},
                          Caso{0, '.', ',', "     0,00"}, Caso{-12345000, '.', ',', "-1,234,50"}}) {
        TCargaBalItem item;
        item.ValorVenda = Currency::fromTicks(c.ticks);
        EXPECT_EQ(Urf32Writer(c.milhar, c.decimal).preco(item), c.esperado) << c.ticks;
    }
}

TEST(Urf32, NutritionLinksAndOnceOnlyRecipes) {
    TCargaBal carga;
    carga.SetModelo(M::modUranoURF32);
    auto& a = carga.Produtos().New();
    a = produtoUrf32(7);
    a.Nutricional.Qtd = 100;
    a.Nutricional.ValorEnergetico = 250;
    a.Nutricional.Carboidrato = Currency::fromTicks(123456);
    a.Nutricional.Sodio = Currency::fromTicks(12345);
    a.InformacaoExtra.Receita = "RECEITA";
    auto& b = carga.Produtos().New();
    b = a; // same code and recipe: one recipe line and one link
    auto& c = carga.Produtos().New();
    c = produtoUrf32(8);
    c.InformacaoExtra.Receita = "AB"; // too short
    const auto g = test::gerarCarga(carga);

    const auto nutri = g.linhas("INFORMACOESNUTRICIONAIS.TXT");
    ASSERT_EQ(nutri.size(), 3u);
    EXPECT_EQ(nutri[0], "    7"
                        "000100"
                        "00250"
                        "000123"
                        "000000"
                        "000000"
                        "000000"
                        "000000"
                        "000000"
                        "00123");
    EXPECT_EQ(nutri[2].size(), 57u);
    EXPECT_EQ(g.linhas("PRODUTOSINFORMACOESNUTRICIONAIS.TXT"),
              (std::vector<std::string>{"     7    7", "     7    7"}));
    const auto receitas = g.linhas("RECEITAS.TXT");
    ASSERT_EQ(receitas.size(), 1u);
    EXPECT_EQ(receitas[0], "0007 RECEITA" + std::string(247, ' '));
    EXPECT_EQ(g.linhas("PRODUTOSRECEITAS.TXT"), std::vector<std::string>{"     7    7"});
}

} // namespace
} // namespace mvf
