#include "core/NumberText.h"
#include "core/Locale.h"

#include <gtest/gtest.h>

namespace mvf {

TEST(NumberText, WholeNumbersAllowBlanksOnlyBeforeThem) {
    struct Caso {
        const char* texto;
        bool ok;
        std::int32_t valor;
    };
    const Caso casos[] = {
        {"1250", true, 1250},
        {"  001250", true, 1250},
        {"-42", true, -42},
        {"+7", true, 7},
        {"1250 ", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"12a", false, 0},
        {"1.250", false, 0},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},
        {"99999999999", false, 0},
    };
    for (const auto& c : casos) {
        std::int32_t v = 0;
        EXPECT_EQ(tryParseInteger(c.texto, v), c.ok) << c.texto;
        if (c.ok) {
            EXPECT_EQ(v, c.valor) << c.texto;
        }
    }
}

TEST(NumberText, DecimalsUseTheGivenSeparatorAndAllowBlanksAround) {
    struct Caso {
        const char* texto;
        char separador;
        bool ok;
        double valor;
    };
    const Caso casos[] = {
        {"1,25", ',', true, 1.25},  {" 01,250 ", ',', true, 1.25}, {"-0,5", ',', true, -0.5},
        {"1.25", ',', false, 0},    {"1.25", '.', true, 1.25},     {"12", ',', true, 12},
        {",5", ',', true, 0.5},     {"5,", ',', true, 5},          {"1,2,3", ',', false, 0},
        {"1.000,5", ',', false, 0}, {"1E3", ',', true, 1000},      {"1e", ',', false, 0},
        {"", ',', false, 0},        {",", ',', false, 0},          {"IIIIII", ',', false, 0},
    };
    for (const auto& c : casos) {
        double v = 0;
        EXPECT_EQ(tryParseDecimal(c.texto, c.separador, v), c.ok) << c.texto;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v, c.valor) << c.texto;
        }
    }
}

TEST(NumberText, DecimalsFollowTheCurrentLocale) {
    Locale us = Locale::brazilian();
    us.decimalSeparator = '.';
    ScopedLocale guard(us);
    double v = 0;
    EXPECT_TRUE(tryParseDecimal("2.5", v));
    EXPECT_DOUBLE_EQ(v, 2.5);
    EXPECT_FALSE(tryParseDecimal("2,5", v));
}

TEST(NumberText, GeneralFormDropsTrailingZerosAndUsesTheSeparator) {
    EXPECT_EQ(formatGeneralNumber(1.25, ','), "1,25");
    EXPECT_EQ(formatGeneralNumber(-9, ','), "-9");
    EXPECT_EQ(formatGeneralNumber(0, ','), "0");
    EXPECT_EQ(formatGeneralNumber(1250, '.'), "1250");
    EXPECT_EQ(formatGeneralNumber(0.1 + 0.2, ','), "0,3");
    EXPECT_EQ(formatGeneralNumber(1e20, ','), "1E20");
}

} // namespace mvf
