#include "core/FieldRules.h"
#include "core/RecordLine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace mvf::field {
namespace {

struct TextCase {
    std::string text;
    int width;
    std::string a;
    std::string t;
};

class TextRules : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextRules, PadOrCutByCharacters) {
    const auto& c = GetParam();
    EXPECT_EQ(A(c.text, c.width), c.a);
    EXPECT_EQ(T(c.text, c.width), c.t);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextRules,
    ::testing::Values(TextCase{"ABC", 5, "ABC  ", "00ABC"}, TextCase{"ABCDEF", 4, "ABCD", "ABCD"},
                      TextCase{"", 3, "   ", "000"}, TextCase{"ABC", 3, "ABC", "ABC"},
                      TextCase{"ABC", 0, "", ""},
                      // accented letters count one character each, whatever their UTF-8 length
                      TextCase{"AÇÃO", 6, "AÇÃO  ", "00AÇÃO"}, TextCase{"AÇÃOZ", 3, "AÇÃ", "AÇÃ"},
                      TextCase{"€1", 3, "€1 ", "0€1"},
                      // a malformed byte counts as one character and is kept as it is
                      TextCase{std::string("A\xFF") + "B", 4, std::string("A\xFF") + "B ",
                               std::string("0A\xFF") + "B"},
                      TextCase{"0", 12, "0           ", "000000000000"}));

struct NumberCase {
    std::int64_t value;
    int width;
    std::string n;
    std::string s;
};

class NumberRules : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberRules, FillThenCutKeepingFirstCharacters) {
    const auto& c = GetParam();
    EXPECT_EQ(N(c.value, c.width), c.n);
    EXPECT_EQ(S(c.value, c.width), c.s);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberRules,
    ::testing::Values(NumberCase{42, 6, "000042", "    42"}, NumberCase{0, 3, "000", "  0"},
                      NumberCase{1234567, 6, "123456", "123456"}, NumberCase{-42, 6, "000-42", "   -42"},
                      NumberCase{-1, 1, "-", "-"}, NumberCase{10, 1, "1", "1"},
                      NumberCase{-123456, 6, "-12345", "-12345"}, NumberCase{INT64_MIN, 4, "-922", "-922"},
                      NumberCase{INT64_MAX, 19, "9223372036854775807", "9223372036854775807"}));

struct ValueCase {
    std::int64_t ticks;
    int width;
    int decimals;
    std::string expected;
};

class CurrencyValueRule : public ::testing::TestWithParam<ValueCase> {};

TEST_P(CurrencyValueRule, TruncatesTowardZero) {
    const auto& c = GetParam();
    EXPECT_EQ(V(Currency::fromTicks(c.ticks), c.width, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CurrencyValueRule,
    ::testing::Values(ValueCase{399000, 6, 2, "003990"}, // 39.90
                      ValueCase{19990, 6, 2, "000199"},  // 1.999 is cut, not rounded
                      ValueCase{1500, 6, 3, "000150"},   // 0.150 kg as grams
                      ValueCase{1500, 5, 4, "01500"},    // ten-thousandths of a kilogram
                      ValueCase{-35000, 6, 2, "00-350"},
                      ValueCase{-19990, 6, 2, "00-199"},        // truncation toward zero for negatives
                      ValueCase{1000000000, 6, 2, "100000"},    // 100000.00 keeps its first six digits
                      ValueCase{123456780000, 7, 2, "1234567"}, // 12345678.00
                      ValueCase{12500, 3, 2, "125"}, ValueCase{125000, 3, 2, "125"},
                      ValueCase{5000, 3, 2, "050"}, ValueCase{0, 4, 1, "0000"}, ValueCase{9999, 4, 0, "0000"},
                      // the scaled number is 32-bit: 300000.0000 kg x 10^4 wraps around
                      ValueCase{3000000000, 11, 4, "-1294967296"}));

struct DoubleCase {
    double value;
    int width;
    int decimals;
    std::string expected;
};

class DoubleValueRule : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(DoubleValueRule, ConvertsToCurrencyFirst) {
    const auto& c = GetParam();
    EXPECT_EQ(V(c.value, c.width, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, DoubleValueRule,
                         ::testing::Values(DoubleCase{2.35, 3, 1, "023"}, DoubleCase{0.1, 3, 1, "001"},
                                           DoubleCase{0.7, 5, 4, "07000"}, DoubleCase{12.5, 5, 1, "00125"},
                                           DoubleCase{-2.35, 4, 1, "0-23"},
                                           DoubleCase{0.99999, 3, 1, "010"}));

TEST(RecordLine, ConcatenatesFieldsInOrder) {
    const std::string line = RecordLine()
                                 .N(1, 2)
                                 .Lit('0')
                                 .N(42, 6)
                                 .V(Currency::fromTicks(399000), 6, 2)
                                 .A("QUEIJO", 8)
                                 .T("ABC", 5)
                                 .Lit("|")
                                 .str();
    EXPECT_EQ(line, "010000042003990QUEIJO  00ABC|");
}

} // namespace
} // namespace mvf::field
