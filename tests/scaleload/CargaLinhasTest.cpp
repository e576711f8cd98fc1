#include "scaleload/CargaLinhas.h"

#include "core/CaseFolding.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace mvf {
namespace {

std::vector<std::string> todas(const CargaLinhas& l) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < l.Count(); ++i)
        out.emplace_back(l.Line(i));
    return out;
}

TEST(CargaLinhas, OnceOnlyIgnoresCaseKeepingTheFirst) {
    CargaLinhas l;
    EXPECT_TRUE(l.AddOnce("01AÇOUGUE"));
    EXPECT_FALSE(l.AddOnce("01Açougue"));
    EXPECT_FALSE(l.AddOnce("01açougue"));
    EXPECT_TRUE(l.AddOnce("01AÇOUGUE "));
    EXPECT_TRUE(l.AddOnce("02AÇOUGUE"));
    EXPECT_EQ(todas(l), (std::vector<std::string>{"01AÇOUGUE", "01AÇOUGUE ", "02AÇOUGUE"}));
}

TEST(CargaLinhas, PlainAddKeepsDuplicatesAndStillCountsForOnceOnly) {
    CargaLinhas l;
    l.Add("X");
    l.Add("x");
    EXPECT_FALSE(l.AddOnce("X"));
    EXPECT_TRUE(l.AddOnce(""));
    EXPECT_FALSE(l.AddOnce(""));
    EXPECT_EQ(todas(l), (std::vector<std::string>{"X", "x", ""}));
    l.Clear();
    EXPECT_TRUE(l.Empty());
    EXPECT_TRUE(l.AddOnce("X"));
}

TEST(CargaLinhas, LinesReadBackExactly) {
    CargaLinhas l;
    const std::vector<std::string> linhas = {std::string(1000, ' '),
                                             "A   B    C",
                                             std::string(256, ' ') + "X" + std::string(255, ' ') +
                                                 std::string(1, ' '),
                                             "\xFF\xFE malformado \xFF",
                                             std::string("\x02\x0A ctl \x03", 9),
                                             ""};
    for (const auto& linha : linhas)
        l.Add(linha);
    const auto lidas = todas(l);
    ASSERT_EQ(lidas.size(), linhas.size());
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        if (i == 3) // a stray 0xFF byte reads back as U+FFFD, as any decoder reads it
            EXPECT_EQ(lidas[i], "\xEF\xBF\xBD\xFE malformado \xEF\xBF\xBD");
        else
            EXPECT_EQ(lidas[i], linhas[i]) << i;
    }
}

TEST(CargaLinhas, SpaceRunsOfDifferentLengthsDiffer) {
    CargaLinhas l;
    EXPECT_TRUE(l.AddOnce("A" + std::string(65, ' ')));
    EXPECT_TRUE(l.AddOnce("a" + std::string(97, ' ')));
    EXPECT_TRUE(l.AddOnce("A" + std::string(64, ' ')));
    EXPECT_FALSE(l.AddOnce("a" + std::string(65, ' ')));
    EXPECT_TRUE(l.AddOnce("A\xEF\xBF\xBD"
                          "4"));
    EXPECT_TRUE(l.AddOnce("A" + std::string(52, ' ')));
    EXPECT_FALSE(l.AddOnce("a" + std::string(52, ' ')));
    EXPECT_EQ(l.Count(), 5u);
}

// The hashed list must keep exactly the lines the plain linear, case-blind search keeps.
TEST(CargaLinhas, SameResultAsTheLinearSearch) {
    std::mt19937 rng(12345);
    const std::vector<std::string> pecas = {"a", "A", "ç", "Ç", "é",    "É",    "b",
                                            " ", "0", "Ж", "ж", "    ", "     "};
    CargaLinhas rapida;
    std::vector<std::string> linear;
    for (int i = 0; i < 3000; ++i) {
        std::string linha;
        const int n = 1 + static_cast<int>(rng() % 4);
        for (int k = 0; k < n; ++k)
            linha += pecas[rng() % pecas.size()];
        bool existe = false;
        for (const auto& l : linear)
            if (casefold::equalIgnoringCase(l, linha)) {
                existe = true;
                break;
            }
        if (!existe)
            linear.push_back(linha);
        EXPECT_EQ(rapida.AddOnce(linha), !existe) << linha;
    }
    EXPECT_EQ(todas(rapida), linear);
}

} // namespace
} // namespace mvf
