#include "core/Locale.h"

#include <gtest/gtest.h>

namespace mvf {

TEST(Locale, BrazilianConventionsAreTheDefault) {
    Locale br = Locale::brazilian();
    EXPECT_EQ(br.decimalSeparator, ',');
    EXPECT_EQ(br.thousandSeparator, '.');
    EXPECT_EQ(br.shortDateFormat, "dd/mm/yyyy");
    EXPECT_EQ(br.longTimeFormat, "hh:nn:ss");
}

TEST(Locale, ScopedLocaleRestoresThePreviousConventions) {
    Locale::setCurrent(Locale::brazilian());
    {
        Locale us = Locale::brazilian();
        us.decimalSeparator = '.';
        us.thousandSeparator = ',';
        ScopedLocale guard(us);
        EXPECT_EQ(Locale::current().decimalSeparator, '.');
    }
    EXPECT_EQ(Locale::current().decimalSeparator, ',');
}

} // namespace mvf
