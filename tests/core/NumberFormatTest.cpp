#include "core/NumberFormat.h"

#include <gtest/gtest.h>

namespace mvf::numberformat {
namespace {

struct FixedCase {
    std::int64_t ticks;
    char separator;
    std::string expected;
};

class FixedPattern : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedPattern, SixIntegerDigitsTwoDecimals) {
    const auto& c = GetParam();
    EXPECT_EQ(fixed(Currency::fromTicks(c.ticks), 6, 2, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FixedPattern,
                         ::testing::Values(FixedCase{399000, ',', "000039,90"},
                                           FixedCase{125000, '.', "000012.50"},
                                           FixedCase{-35000, ',', "-000003,50"},
                                           FixedCase{123450, ',', "000012,35"}, // half away from zero
                                           FixedCase{-123450, ',', "-000012,35"},
                                           FixedCase{123449, ',', "000012,34"},
                                           FixedCase{10000000000, ',', "1000000,00"},
                                           FixedCase{-10, ',', "000000,00"}, FixedCase{0, '.', "000000.00"}));

struct GroupedCase {
    std::int64_t ticks;
    char thousands;
    char decimal;
    std::string expected;
};

class GroupedPattern : public ::testing::TestWithParam<GroupedCase> {};

TEST_P(GroupedPattern, GroupsThousands) {
    const auto& c = GetParam();
    EXPECT_EQ(grouped(Currency::fromTicks(c.ticks), 2, c.thousands, c.decimal), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GroupedPattern,
    ::testing::Values(GroupedCase{125000, '.', ',', "12,50"}, GroupedCase{12345000, '.', ',', "1.234,50"},
                      GroupedCase{12345000, ',', '.', "1,234.50"},
                      GroupedCase{12345678900, '.', ',', "1.234.567,89"}, GroupedCase{0, '.', ',', "0,00"},
                      GroupedCase{50, '.', ',', "0,01"}, GroupedCase{-12345000, '.', ',', "-1.234,50"},
                      GroupedCase{1234567890000000, '.', ',', "123.456.789.000,00"}));

} // namespace
} // namespace mvf::numberformat
