#include "core/Windows1252.h"

#include <gtest/gtest.h>

namespace mvf::windows1252 {
namespace {

TEST(Windows1252, LatinLettersBecomeOneByteEach) {
    EXPECT_EQ(fromUtf8("AÇOUGUE São João"), "A\xC7OUGUE S\xE3o Jo\xE3o");
    EXPECT_EQ(fromUtf8("ñü ÿ ß ° ½"), "\xF1\xFC \xFF \xDF \xB0 \xBD");
}

TEST(Windows1252, HighBlockPunctuation) {
    EXPECT_EQ(fromUtf8("€ “x” – — … ™ Š Ÿ œ"), "\x80 \x93x\x94 \x96 \x97 \x85 \x99 \x8A \x9F \x9C");
}

TEST(Windows1252, MissingCharactersBecomeQuestionMarks) {
    // Cyrillic, CJK, an emoji (one character, four UTF-8 bytes), a C1 control and malformed bytes.
    EXPECT_EQ(fromUtf8("Ж中😀"), "???");
    EXPECT_EQ(fromUtf8("a\xC2\x81z"), "a?z");
    EXPECT_EQ(fromUtf8("a\xFF\xC3z"), "a??z");
}

TEST(Windows1252, ControlCharactersPassThrough) {
    const std::string controls = std::string("\x0A\x02\x03\x0B\x0C\x10", 6) + std::string(1, '\0');
    EXPECT_EQ(fromUtf8(controls), controls);
}

TEST(Windows1252, DecodesBackToUtf8) {
    EXPECT_EQ(toUtf8("A\xC7\x80\x9F"), "AÇ€Ÿ");
    EXPECT_EQ(toUtf8("\x81"), "\xEF\xBF\xBD");
    for (int b = 0; b < 256; ++b) {
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            continue;
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(fromUtf8(toUtf8(one)), one) << b;
    }
}

} // namespace
} // namespace mvf::windows1252
