#include "scaleload/tool/ValidadeDescricao.h"

#include <gtest/gtest.h>

namespace mvf {

struct ValidadeCase {
    std::string descricao;
    int dias;
    std::string limpa; // after removing the VC word
    std::string retirada;
};

class ValidadeDescricaoTest : public ::testing::TestWithParam<ValidadeCase> {};

TEST_P(ValidadeDescricaoTest, DaysAndCleanedDescription) {
    const ValidadeCase& c = GetParam();
    EXPECT_EQ(ExtrairDiasValidade(c.descricao), c.dias) << "'" << c.descricao << "'";
    std::string descricao = c.descricao;
    EXPECT_EQ(RetirarValidadeDescricao(descricao, "VC"), c.retirada) << "'" << c.descricao << "'";
    EXPECT_EQ(descricao, c.limpa) << "'" << c.descricao << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Descricoes, ValidadeDescricaoTest,
    ::testing::Values(ValidadeCase{"PICANHA VC5", 5, "PICANHA", "VC5"},
                      ValidadeCase{"PICANHA vc05", 5, "PICANHA", "vc05"},
                      ValidadeCase{"PICANHA Vc12", 12, "PICANHA", "Vc12"},
                      ValidadeCase{"PICANHA VC", 0, "PICANHA", "VC"},
                      ValidadeCase{"PICANHA VCX", 0, "PICANHA", "VCX"}, ValidadeCase{"VC10", 10, "", "VC10"},
                      ValidadeCase{"", 0, "", ""}, ValidadeCase{"   ", 0, "   ", ""},
                      // A trailing blank: the days are still read, the description stays whole.
                      ValidadeCase{"QUEIJO MINAS VC15 ", 15, "QUEIJO MINAS VC15 ", ""},
                      ValidadeCase{"QUEIJO  MINAS VC15", 15, "QUEIJO  MINAS", "VC15"},
                      ValidadeCase{"QUEIJO MINAS\tVC15", 15, "QUEIJO MINAS\tVC15", ""},
                      ValidadeCase{"PÃO DE AÇÚCAR VC3", 3, "PÃO DE AÇÚCAR", "VC3"},
                      ValidadeCase{"LINGUICA VC0x1E", 30, "LINGUICA", "VC0x1E"},
                      ValidadeCase{"LINGUICA VC$1E", 30, "LINGUICA", "VC$1E"},
                      ValidadeCase{"LINGUICA VC-3", -3, "LINGUICA", "VC-3"},
                      ValidadeCase{"LINGUICA VC99999999999", 0, "LINGUICA", "VC99999999999"},
                      ValidadeCase{"VC10 PICANHA", 0, "VC10 PICANHA", ""},
                      ValidadeCase{"PICANHA AVC10", 0, "PICANHA AVC10", ""},
                      ValidadeCase{"BOLO \"VC 7\"", 7, "BOLO \"VC 7\"", ""},
                      ValidadeCase{"BOLO \"VC7\"", 7, "BOLO \"VC7\"", ""}));

TEST(RetirarValidadeDescricao, AnyPrefixComparedWithoutCase) {
    std::string descricao = "ALCATRA val30";
    EXPECT_EQ(RetirarValidadeDescricao(descricao, "VAL"), "val30");
    EXPECT_EQ(descricao, "ALCATRA");
}

} // namespace mvf
