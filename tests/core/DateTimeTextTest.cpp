#include "core/DateTimeText.h"

#include <gtest/gtest.h>

namespace mvf {
namespace {

Locale americano() {
    Locale l = Locale::brazilian();
    l.shortDateFormat = "m/d/yyyy";
    l.longTimeFormat = "h:nn:ss AM/PM";
    return l;
}

Locale iso() {
    Locale l = Locale::brazilian();
    l.dateSeparator = '-';
    l.timeSeparator = '.';
    l.shortDateFormat = "yyyy/mm/dd";
    l.longTimeFormat = "hh:nn:ss";
    return l;
}

struct Caso {
    const char* nome;
    Locale locale;
    DateTime momento;
    const char* texto;
};

class DateTimeTextRoundTrip : public ::testing::TestWithParam<Caso> {};

TEST_P(DateTimeTextRoundTrip, EscreveELeNaMesmaForma) {
    const auto& c = GetParam();
    EXPECT_EQ(dateTimeToText(c.momento, c.locale), c.texto);
    auto lido = tryTextToDateTime(c.texto, c.locale);
    ASSERT_TRUE(lido.has_value()) << c.texto;
    EXPECT_EQ(*lido, c.momento);
}

INSTANTIATE_TEST_SUITE_P(
    Formas, DateTimeTextRoundTrip,
    ::testing::Values(
        Caso{"BrasilComHora", Locale::brazilian(), {2024, 3, 5, 8, 9, 10}, "05/03/2024 08:09:10"},
        Caso{"BrasilMeiaNoiteSemHora", Locale::brazilian(), {2024, 12, 31, 0, 0, 0}, "31/12/2024"},
        Caso{"BrasilUmSegundoDepois", Locale::brazilian(), {2024, 12, 31, 0, 0, 1}, "31/12/2024 00:00:01"},
        Caso{"BissextoFimDoDia", Locale::brazilian(), {2024, 2, 29, 23, 59, 59}, "29/02/2024 23:59:59"},
        Caso{"AmericanoTarde", americano(), {2024, 3, 5, 15, 4, 0}, "3/5/2024 3:04:00 PM"},
        Caso{"AmericanoMeioDia", americano(), {2024, 3, 5, 12, 0, 0}, "3/5/2024 12:00:00 PM"},
        Caso{"AmericanoMadrugada", americano(), {2024, 3, 5, 0, 30, 0}, "3/5/2024 12:30:00 AM"},
        Caso{"SeparadoresDoLocale", iso(), {2023, 1, 2, 3, 4, 5}, "2023-01-02 03.04.05"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(DateTimeText, TextosQueNaoSaoDataEHora) {
    ScopedLocale br(Locale::brazilian());
    for (const char* texto :
         {"", "ontem", "00/00/0000 00:00:00", "31/02/2024", "05/13/2024", "05/03/2024 24:00:00",
          "05/03/2024 10:60", "05-03-2024", "05/03/2024 10:00:00 extra", "5/3"})
        EXPECT_FALSE(tryTextToDateTime(texto).has_value()) << texto;
    try {
        textToDateTime("ontem");
        FAIL();
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "'ontem' não é uma data e hora válida");
    }
}

TEST(DateTimeText, LeituraAceitaHoraSemSegundosEAnoCurto) {
    ScopedLocale br(Locale::brazilian());
    EXPECT_EQ(textToDateTime("5/3/2024 8:09"), (DateTime{2024, 3, 5, 8, 9, 0}));
    EXPECT_EQ(textToDateTime("05/03/24").year, 2024);
}

TEST(DateTimeText, FormaDeExibicaoIndependeDoLocale) {
    ScopedLocale us(americano());
    EXPECT_EQ(dateTimeToDisplay({2024, 3, 5, 15, 4, 0}), "05/03/2024 15:04:00");
    EXPECT_EQ(dateTimeToDisplay({2024, 3, 5, 0, 0, 0}), "05/03/2024 00:00:00");
    EXPECT_EQ(dateTimeToDisplay({987, 1, 1, 0, 0, 0}), "01/01/0987 00:00:00");
}

TEST(DateTimeText, PadroesDoFormatador) {
    Locale br = Locale::brazilian();
    DateTime m{2024, 3, 5, 8, 9, 7};
    EXPECT_EQ(formatDateTime(m, "d/m/yy h:n:s", br), "5/3/24 8:9:7");
    EXPECT_EQ(formatDateTime(m, "dd/mm/yyyy hh:mm:ss", br), "05/03/2024 08:09:07");
    EXPECT_EQ(formatDateTime(m, "yyyymmdd'T'hhnn", br), "20240305T0809");
}

TEST(DateTimeText, AgoraEValido) {
    EXPECT_TRUE(DateTime::now().isValid());
}

} // namespace
} // namespace mvf
