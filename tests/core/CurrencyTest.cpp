#include "core/Currency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace mvf {
namespace {

struct DoubleCase {
    double value;
    std::int64_t ticks;
};

class CurrencyFromDouble : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(CurrencyFromDouble, RoundsToNearestTiesToEven) {
    EXPECT_EQ(Currency::fromDouble(GetParam().value).ticks(), GetParam().ticks);
}

INSTANTIATE_TEST_SUITE_P(Table, CurrencyFromDouble,
                         ::testing::Values(DoubleCase{39.9, 399000}, DoubleCase{2.35, 23500},
                                           DoubleCase{0.00005, 0}, // exactly half: to even (0)
                                           DoubleCase{0.00035, 4}, // to even (4)
                                           DoubleCase{0.00025, 2}, // to even (2)
                                           DoubleCase{-0.00035, -4}, DoubleCase{0.00375, 38},
                                           DoubleCase{0.00125, 12},
                                           DoubleCase{0.00015, 1} /* binary 1.4999... */,
                                           DoubleCase{1.23456, 12346}, DoubleCase{-1.23454, -12345},
                                           DoubleCase{0.0, 0}));

TEST(Currency, FromDoubleRejectsWhatDoesNotFit) {
    EXPECT_THROW(Currency::fromDouble(std::nan("")), std::out_of_range);
    EXPECT_THROW(Currency::fromDouble(std::numeric_limits<double>::infinity()), std::out_of_range);
    EXPECT_THROW(Currency::fromDouble(1e300), std::out_of_range);
    EXPECT_THROW(Currency::fromDouble(-1e15), std::out_of_range);
}

struct TextCase {
    std::string text;
    std::int64_t ticks;
};

class CurrencyFromText : public ::testing::TestWithParam<TextCase> {};

TEST_P(CurrencyFromText, KeepsDecimalDigitsExactly) {
    EXPECT_EQ(Currency::fromDecimalText(GetParam().text).ticks(), GetParam().ticks);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CurrencyFromText,
    ::testing::Values(TextCase{"39.9", 399000}, TextCase{"39.90", 399000}, TextCase{"0", 0},
                      TextCase{"-0.0", 0}, TextCase{"12", 120000}, TextCase{"-3.5", -35000},
                      TextCase{"1.99999", 20000}, TextCase{"0.00005", 0}, TextCase{"0.00015", 2},
                      TextCase{"0.000150001", 2}, TextCase{"0.00025", 2}, TextCase{"0.000251", 3},
                      TextCase{"1e3", 10000000}, TextCase{"1.5E-2", 150}, TextCase{"2.5e-5", 0},
                      TextCase{"0.000000000000000000001", 0}, TextCase{"+7", 70000},
                      TextCase{"922337203685477.5807", std::numeric_limits<std::int64_t>::max()},
                      TextCase{"-922337203685477.5808", std::numeric_limits<std::int64_t>::min()},
                      TextCase{"00012.3400", 123400}));

TEST(Currency, FromTextRejectsBadOrOversizedNumbers) {
    for (const char* bad : {"", "-", "abc", "1.2.3", "1e", "12a", ".", "1,5"})
        EXPECT_THROW(Currency::fromDecimalText(bad), std::invalid_argument) << bad;
    for (const char* big :
         {"922337203685477.5808", "-922337203685477.5809", "1e15", "1e400", "99999999999999999999999"})
        EXPECT_THROW(Currency::fromDecimalText(big), std::out_of_range) << big;
}

TEST(Currency, TruncatedScaledCutsTowardZero) {
    EXPECT_EQ(Currency::fromTicks(19990).truncatedScaled(2), 199);
    EXPECT_EQ(Currency::fromTicks(-19990).truncatedScaled(2), -199);
    EXPECT_EQ(Currency::fromTicks(19990).truncatedScaled(4), 19990);
    EXPECT_EQ(Currency::fromTicks(19990).truncatedScaled(0), 1);
    EXPECT_THROW(Currency::fromTicks(1).truncatedScaled(5), std::invalid_argument);
}

TEST(Currency, TextAndUnits) {
    EXPECT_EQ(Currency::fromTicks(-35000).toString(), "-3.5000");
    EXPECT_EQ(Currency::fromUnits(12).ticks(), 120000);
    EXPECT_EQ(Currency::fromTicks(std::numeric_limits<std::int64_t>::min()).toString(),
              "-922337203685477.5808");
    EXPECT_THROW(Currency::fromUnits(std::numeric_limits<std::int64_t>::max()), std::out_of_range);
}

} // namespace
} // namespace mvf
