#include "scaleload/tool/CampoCodigoProduto.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace mvf {

TEST(CampoCodigoProduto, ColumnPerChoiceAndNoneOutsideTheList) {
    EXPECT_EQ(CampoCodigoProduto(0), "COD_ORIG");
    EXPECT_EQ(CampoCodigoProduto(1), "ID");
    EXPECT_EQ(CampoCodigoProduto(2), "COD_FAB");
    EXPECT_EQ(CampoCodigoProduto(-1), "");
    EXPECT_EQ(CampoCodigoProduto(3), "");
    EXPECT_EQ(CampoCodigoProduto(7), "");
}

TEST(ConsultaProdutosCarga, TheStatementTextKeepsItsBlanks) {
    EXPECT_EQ(ConsultaProdutosCarga("COD_ORIG"),
              "SELECT * FROM PRODUTO WHERE Ativo='S' AND  COD_ORIG <>'' ORDER by COD_ORIG desc ");
    EXPECT_EQ(ConsultaProdutosCarga("ID"),
              "SELECT * FROM PRODUTO WHERE Ativo='S' AND  ID <>'' ORDER by ID desc ");
}

TEST(ConsultaProdutosCarga, NoColumnIsRefusedWithAClearMessage) {
    try {
        ConsultaProdutosCarga(CampoCodigoProduto(7));
        FAIL() << "an empty column was taken";
    } catch (const std::invalid_argument& e) {
        EXPECT_NE(std::string(e.what()).find("Campo"), std::string::npos) << e.what();
    }
}

} // namespace mvf
