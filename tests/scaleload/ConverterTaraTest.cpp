#include "scaleload/tool/ConverterTara.h"

#include "core/Locale.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace mvf {

struct TaraCase {
    std::string texto;
    std::int64_t ticks; // ten-thousandths
};

class ConverterTaraTest : public ::testing::TestWithParam<TaraCase> {};

TEST_P(ConverterTaraTest, TenthsInTheCommaLocale) {
    ScopedLocale br(Locale::brazilian());
    EXPECT_EQ(ConverterTara(GetParam().texto).ticks(), GetParam().ticks) << "'" << GetParam().texto << "'";
}

INSTANTIATE_TEST_SUITE_P(Textos, ConverterTaraTest,
                         ::testing::Values(TaraCase{"0,150", 150}, TaraCase{"0,500", 500},
                                           TaraCase{"1.5", 1500}, TaraCase{"0.150", 150},
                                           TaraCase{"15", 15000}, TaraCase{" 2,5 ", 2500},
                                           TaraCase{"-1,0", -1000}, TaraCase{"0,0015", 2},
                                           TaraCase{"0,0025", 2}, TaraCase{"0,00049", 0},
                                           TaraCase{"1,5E1", 15000}));

TEST(ConverterTara, TextThatIsNotANumberIsRefusedWithItsText) {
    ScopedLocale br(Locale::brazilian());
    for (const std::string texto : {"abc", "", "1,2,3", "1.2.3", "0,5kg", "1e", "--1"}) {
        try {
            ConverterTara(texto);
            ADD_FAILURE() << "'" << texto << "' was taken";
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find("'" + texto + "'"), std::string::npos) << e.what();
        }
    }
}

TEST(ConverterTara, ADotLocaleReadsNoSeparatorAtAll) {
    Locale us = Locale::brazilian();
    us.decimalSeparator = '.';
    us.thousandSeparator = ',';
    ScopedLocale guard(us);
    EXPECT_EQ(ConverterTara("15").ticks(), 15000);
    EXPECT_THROW(ConverterTara("1.5"), std::invalid_argument);
    EXPECT_THROW(ConverterTara("0,150"), std::invalid_argument);
}

} // namespace mvf
