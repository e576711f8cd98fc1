#include "scaleload/TCargaBal.h"
#include "scaleload/TCargaBalItem.h"

#include "CargaTestes.h"

#include <gtest/gtest.h>

#include <utility>

namespace mvf {
namespace {

TEST(BlocoSobDemanda, ReadingGivesInitialValuesWritingKeepsThem) {
    TCargaBalItem item;
    EXPECT_EQ(std::as_const(item).Fornecedor->Codigo, 0);
    EXPECT_TRUE(std::as_const(item).Extra2->Linha5.empty());
    item.Fornecedor->Codigo = 3;
    item.Fornecedor->Descricao5 = "FIM";
    EXPECT_EQ(std::as_const(item).Fornecedor->Codigo, 3);
    item.Extra2 = TCargaBalExtra2{};
    item.Extra2->Linha1 = "L1";

    // Copies are deep: changing the copy leaves the original alone.
    TCargaBalItem copia = item;
    copia.Fornecedor->Codigo = 9;
    copia.Extra2->Linha1 = "OUTRA";
    EXPECT_EQ(item.Fornecedor->Codigo, 3);
    EXPECT_EQ(item.Extra2->Linha1, "L1");
    EXPECT_EQ(copia.Fornecedor->Descricao5, "FIM");

    // A fresh item's untouched blocks never show another item's values.
    TCargaBalItem novo;
    EXPECT_EQ(std::as_const(novo).Fornecedor->Codigo, 0);
}

TEST(BlocoSobDemanda, GenerationDoesNotFillUntouchedBlocks) {
    TCargaBal carga;
    carga.SetModelo(TCargaBalModelo::modToledoMGV6);
    carga.Produtos().New().Codigo = 1;
    test::gerarCarga(carga);
    const TCargaBalItem& item = carga.Produtos()[0];
    EXPECT_EQ(item.Fornecedor->Codigo, 0);
    EXPECT_EQ(item.Extra1->Codigo, 0);
}

} // namespace
} // namespace mvf
