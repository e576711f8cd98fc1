#include "scaleload/TCargaBalItem.h"
#include "scaleload/TCargaBalItens.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace mvf {
namespace {

TEST(TCargaBalItem, NewItemHasTheInitialValues) {
    TCargaBalItens itens;
    TCargaBalItem& item = itens.New();
    EXPECT_EQ(item.Codigo, 0);
    EXPECT_EQ(item.Tipo, TCargaBalTipoVenda::tpvPeso);
    EXPECT_EQ(item.Lote, "0");
    EXPECT_EQ(item.ImpValidade, 1);
    EXPECT_EQ(item.ImpEmbalagem, 1);
    EXPECT_EQ(item.TipoValidade, TCargaBalTipoValidade::tpvDias);
    EXPECT_EQ(item.ValorVenda, Currency{});
    EXPECT_TRUE(item.Descricao.empty());
    EXPECT_TRUE(item.EAN13Fornecedor.empty());
    EXPECT_EQ(item.Teclado.Tecla, 0);
    EXPECT_EQ(item.Teclado.Pagina_Teclado, 1);
    EXPECT_EQ(item.Teclado.Codigo_Teclado, 1);
    EXPECT_EQ(item.Nutricional.UndPorcao, TCargaBalNutriUndPorcao::tpGramas);
    EXPECT_EQ(item.Nutricional.MedCaseira429, TCargaBalNutriMedCaseira429::tpColherSopa429);
    EXPECT_FALSE(item.Nutricional.ImprimeCamposEstendido);
    EXPECT_EQ(item.Tara.Valor, Currency{});
}

TEST(TCargaBalNutricional, LimparKeepsNameAndRdc429Block) {
    TCargaBalNutricional n;
    n.Codigo = 5;
    n.Descricao = "TABELA";
    n.Qtd = 100;
    n.PartInteira = 2;
    n.ValorEnergetico = 300;
    n.Sodio = Currency::fromUnits(3);
    n.UndPorcao = TCargaBalNutriUndPorcao::tpUnidades;
    n.PartDecimal = TCargaBalNutriPartdecimal::tpPara34;
    n.MedCaseira = TCargaBalNutriMedCaseira::tpLata;
    n.QtdePorcao429 = 7;
    n.Sodio429 = 1.5;
    n.Limpar();
    EXPECT_EQ(n.Codigo, 0);
    EXPECT_EQ(n.Qtd, 0);
    EXPECT_EQ(n.PartInteira, 0);
    EXPECT_EQ(n.ValorEnergetico, 0);
    EXPECT_EQ(n.Sodio, Currency{});
    EXPECT_EQ(n.UndPorcao, TCargaBalNutriUndPorcao::tpGramas);
    EXPECT_EQ(n.PartDecimal, TCargaBalNutriPartdecimal::tpPara0);
    EXPECT_EQ(n.MedCaseira, TCargaBalNutriMedCaseira::tpColherSopa);
    EXPECT_EQ(n.Descricao, "TABELA");
    EXPECT_EQ(n.QtdePorcao429, 7);
    EXPECT_EQ(n.Sodio429, 1.5);
}

struct ExtraCase {
    TCargaBalModelo modelo;
    const char* receita;
    std::int32_t codigoAntes;
    std::int32_t esperado;
};

class CodigoInformacaoExtra : public ::testing::TestWithParam<ExtraCase> {};

TEST_P(CodigoInformacaoExtra, NormalisesAndStores) {
    const auto& c = GetParam();
    TCargaBalItem item;
    item.Codigo = 42;
    item.InformacaoExtra.Receita = c.receita;
    item.InformacaoExtra.Codigo = c.codigoAntes;
    EXPECT_EQ(item.CodigoInformacaoExtra(c.modelo), c.esperado);
    EXPECT_EQ(item.InformacaoExtra.Codigo, c.esperado);
}

using M = TCargaBalModelo;
INSTANTIATE_TEST_SUITE_P(
    Table, CodigoInformacaoExtra,
    ::testing::Values(ExtraCase{M::modToledoMGV6, "", 0, 0}, ExtraCase{M::modToledoMGV6, "AB", 9, 0},
                      ExtraCase{M::modToledoMGV6, "ABC", 0, 42}, ExtraCase{M::modToledoMGV6, "ABC", 9, 9},
                      ExtraCase{M::modFilizola, "ÇÃO", 0, 42}, // three characters, six bytes
                      ExtraCase{M::modFilizola, "ÇÃ", 7, 0}, ExtraCase{M::modToledo, "ABCD", 0, 42},
                      ExtraCase{M::modToledoMGV5, "ABCD", 0, 42}, ExtraCase{M::modToledoMGV7, "ABCD", 0, 42},
                      ExtraCase{M::modTriunfoRdc429, "A", 3, 0},
                      // the other models leave the code as it is
                      ExtraCase{M::modUrano, "AB", 9, 9}, ExtraCase{M::modToledoMGV5Ver1, "ABCD", 0, 0},
                      ExtraCase{M::modUranoURF32, "", 5, 5}, ExtraCase{M::modRamuza, "ABCD", 0, 0}));

TEST(TCargaBalItens, OwnsAndIndexesItems) {
    TCargaBalItens itens;
    itens.New().Codigo = 1;
    itens.New().Codigo = 2;
    ASSERT_EQ(itens.Count(), 2u);
    EXPECT_EQ(itens[1].Codigo, 2);
    EXPECT_THROW(itens.Items(2), std::out_of_range);
    auto outro = std::make_unique<TCargaBalItem>();
    outro->Codigo = 9;
    itens.SetItems(0, std::move(outro));
    EXPECT_EQ(itens.Items(0).Codigo, 9);
    itens.Clear();
    EXPECT_EQ(itens.Count(), 0u);
}

TEST(CargaBalTipos, OrdinalsAndNames) {
    EXPECT_EQ(ordinal(M::modTriunfoRdc429), 10);
    EXPECT_EQ(ordinal(M::modRamuza), 8);
    EXPECT_EQ(ordinal(TCargaBalTipoVenda::tpvEAN13Und), 3);
    EXPECT_EQ(ordinal(TCargaBalNutriMedCaseira::tpLata), 26);
    EXPECT_EQ(ordinal(TCargaBalNutriMedCaseira429::tpPratoRaso429), 28);
    EXPECT_EQ(ordinal(TCargaBalNutriMedCaseira429::tpLata429), 26);
    EXPECT_EQ(ordinal(TCargaBalNutriPartdecimal::tpPara34), 5);
    EXPECT_EQ(enumName(M::modToledoMGV6), "modToledoMGV6");
    EXPECT_EQ(enumFromName<TCargaBalNutriPartdecimal429>("tpPara12_429"),
              TCargaBalNutriPartdecimal429::tpPara12_429);
    EXPECT_EQ(enumFromName<TCargaBalNutriMedCaseira>("tpAlmodega"), TCargaBalNutriMedCaseira::tpAlmodega);
    EXPECT_FALSE(enumFromName<TCargaBalModelo>("modNada").has_value());
    EXPECT_EQ(enumName(static_cast<M>(11)), "");
}

} // namespace
} // namespace mvf
