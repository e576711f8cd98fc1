#include "core/CaseFolding.h"

#include <gtest/gtest.h>

#include <string>

namespace mvf::casefold {
namespace {

struct Pair {
    std::string a;
    std::string b;
    bool equal;
};

class CaseBlindEquality : public ::testing::TestWithParam<Pair> {};

TEST_P(CaseBlindEquality, EqualityAndHashAgree) {
    const auto& p = GetParam();
    EXPECT_EQ(equalIgnoringCase(p.a, p.b), p.equal);
    EXPECT_EQ(equalIgnoringCase(p.b, p.a), p.equal);
    if (p.equal) {
        EXPECT_EQ(hashIgnoringCase(p.a), hashIgnoringCase(p.b));
        EXPECT_EQ(fold(p.a), fold(p.b));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CaseBlindEquality,
    ::testing::Values(Pair{"AÇOUGUE", "Açougue", true}, Pair{"PÃO DE QUEIJO", "pão de queijo", true},
                      Pair{"ÉÈÊËÀÁÂÃÄÅÆÇÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ", "éèêëàáâãäåæçìíîïðñòóôõöøùúûüýþ", true},
                      Pair{"ŠŽŒŸ", "šžœÿ", true}, Pair{"ĀĞŁŃŹ", "āğłńź", true},
                      Pair{"ΑΒΓ ЖЯЁ", "αβγ жяё", true}, Pair{"ABC", "ABD", false}, Pair{"ABC", "ABC ", false},
                      Pair{"A", "Á", false}, Pair{"×", "÷", false}, Pair{"", "", true},
                      Pair{"ß", "SS", false}, Pair{"12-34", "12-34", true}));

TEST(CaseFolding, FoldLeavesNonLettersAlone) {
    EXPECT_EQ(fold("AbC 123 ×÷ ß"), "abc 123 ×÷ ß");
    EXPECT_EQ(fold(U'Ç'), U'ç');
    EXPECT_EQ(fold(U'ç'), U'ç');
}

} // namespace
} // namespace mvf::casefold
