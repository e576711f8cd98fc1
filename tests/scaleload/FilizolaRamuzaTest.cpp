#include "scaleload/FilizolaWriter.h"
#include "scaleload/RamuzaWriter.h"

#include "CargaTestes.h"

#include <gtest/gtest.h>

namespace mvf {
namespace {

using M = TCargaBalModelo;
using test::campo;
using test::queijo;

TEST(Filizola, ItemRecord) {
    TCargaBalItem item = queijo();
    item.Tara.Valor = Currency::fromTicks(1500);
    const std::string l = FilizolaWriter::registroItem(item);
    EXPECT_EQ(l, "000042P"
                 "QUEIJO MINAS          "
                 "0003990"
                 "015" +
                     std::string(126, ' ') + "0150");
    EXPECT_EQ(l.size(), 169u);
    item.Tipo = TCargaBalTipoVenda::tpvUnidade;
    item.ValorVenda = Currency::fromTicks(1234567800); // 123456.78 keeps its first seven digits
    item.Tara.Valor = Currency::fromUnits(12);
    const std::string l2 = FilizolaWriter::registroItem(item);
    test::expectCampos(l2, {{7, 1, "U"}, {30, 7, "1234567"}, {166, 4, "1200"}});
}

TEST(Filizola, SectorNutritionAndRecipeLines) {
    TCargaBal carga;
    carga.SetModelo(M::modFilizola);
    auto& a = carga.Produtos().New();
    a = queijo();
    a.Setor.Descricao = "FRIOS E LATICINIOS";
    a.Teclado.Tecla = 5;
    a.Nutricional.Descricao = "QUEIJO";
    a.Nutricional.ValorEnergetico = 300;
    a.Nutricional.Carboidrato = Currency::fromTicks(15000);
    a.Nutricional.Sodio = Currency::fromTicks(4000000);
    a.InformacaoExtra.Receita = "LEITE E SAL";
    auto& b = carga.Produtos().New(); // neither sector text nor key: no sector line
    b = queijo();
    b.Codigo = 43;
    b.Nutricional.Qtd = 100; // amounts without a name: no nutrition line
    b.InformacaoExtra.Receita = "LEITE E SAL";
    auto& c = carga.Produtos().New();
    c = queijo();
    c.Codigo = 44;
    c.Teclado.Tecla = 1;
    auto& d = carga.Produtos().New(); // same code and recipe as the first: once only
    d = a;
    const auto g = test::gerarCarga(carga);

    const auto setores = g.linhas("SETORTXT.TXT");
    ASSERT_EQ(setores.size(), 3u);
    EXPECT_EQ(setores[0], "FRIOS E LATI"
                          "000042"
                          "0001"
                          "005");
    EXPECT_EQ(setores[1], std::string(12, ' ') + "000044"
                                                 "0003"
                                                 "001");
    EXPECT_EQ(setores[2], "FRIOS E LATI"
                          "000042"
                          "0004"
                          "005");

    const auto nutri = g.linhas("NUTRI.TXT");
    ASSERT_EQ(nutri.size(), 2u);
    const std::string esperado = "000042"
                                 "QUEIJO" +
                                 std::string(29, ' ') +
                                 "00300"
                                 "0000"
                                 "00015"
                                 "0000"
                                 "00000"
                                 "0000"
                                 "00000"
                                 "0000"
                                 "00000"
                                 "0000"
                                 "00000"
                                 "0000"
                                 "00000"
                                 "0000"
                                 "*****"
                                 "****"
                                 "*****"
                                 "****"
                                 "04000"
                                 "0000";
    EXPECT_EQ(nutri[0], esperado);
    EXPECT_EQ(nutri[0].size(), 131u);

    const auto receitas = g.linhas("REC_ASS.TXT");
    ASSERT_EQ(receitas.size(), 2u); // each carries its own item code
    EXPECT_EQ(receitas[0], std::string(12, ' ') +
                               "000042"
                               "000042"
                               "LEITE E SAL" +
                               std::string(829, ' ') + "@");
    EXPECT_EQ(receitas[0].size(), 865u);
    EXPECT_EQ(campo(receitas[1], 13, 12), "000043000043");
}

TEST(Filizola, RecipeCodeIsNormalisedForEveryItem) {
    TCargaBal carga;
    carga.SetModelo(M::modFilizola);
    auto& a = carga.Produtos().New();
    a = queijo();
    a.InformacaoExtra.Receita = "AB";
    a.InformacaoExtra.Codigo = 9;
    test::gerarCarga(carga);
    EXPECT_EQ(carga.Produtos()[0].InformacaoExtra.Codigo, 0);
}

TEST(Ramuza, LineLayout) {
    TCargaBalItem item = queijo();
    item.Tipo = TCargaBalTipoVenda::tpvUnidade;
    item.Tara.Valor = Currency::fromTicks(1500);
    item.ModeloEtiqueta = 3;
    item.Nutricional.Qtd = 100;
    item.Nutricional.ValorEnergetico = 250;
    item.Nutricional.Carboidrato = Currency::fromTicks(12500); // 1.25 -> 125
    item.Nutricional.Proteina = Currency::fromTicks(125000);   // 12.5 -> 1250 -> 125
    item.Nutricional.GorduraTotal = Currency::fromTicks(5000); // 0.5 -> 050
    const std::string l = RamuzaWriter::registro(item, 1);
    const std::string esperado = "0001A0"
                                 "000042"
                                 "003990"
                                 "1"
                                 "015"
                                 "0000000000000"
                                 "01500"
                                 "03"
                                 "01"
                                 "00100"
                                 "250"
                                 "02"
                                 "00100"
                                 "125"
                                 "03"
                                 "00100"
                                 "125"
                                 "04"
                                 "00100"
                                 "050"
                                 "05"
                                 "00100"
                                 "000"
                                 "06"
                                 "00100"
                                 "000"
                                 "07"
                                 "00100"
                                 "000"
                                 "08"
                                 "00100"
                                 "000" +
                                 std::string(40, '0') +
                                 "##"
                                 "QUEIJO MINAS" +
                                 std::string(12, ' ') + "####";
    EXPECT_EQ(l, esperado);
    EXPECT_EQ(l.size(), 192u);
    EXPECT_EQ(campo(RamuzaWriter::registro(item, 10000), 1, 4), "1000");
    item.Descricao = std::string(30, 'D');
    EXPECT_EQ(campo(RamuzaWriter::registro(item, 1), 165, 28), std::string(24, 'D') + "####");
}

TEST(Ramuza, OneLinePerItemWithItsPosition) {
    TCargaBal carga;
    carga.SetModelo(M::modRamuza);
    carga.Produtos().New() = queijo();
    carga.Produtos().New() = queijo();
    const auto linhas = test::gerarCarga(carga).linhas("RAMUZA_ORIGINAL.TXT");
    ASSERT_EQ(linhas.size(), 2u);
    EXPECT_EQ(campo(linhas[0], 1, 6), "0001A0");
    EXPECT_EQ(campo(linhas[1], 1, 6), "0002A0");
    EXPECT_EQ(campo(linhas[1], 43, 10), "0100000000"); // no nutrition: zeros
}

} // namespace
} // namespace mvf
