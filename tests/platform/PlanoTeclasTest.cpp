#include "platform/PlanoTeclas.h"

#include <gtest/gtest.h>
#include <map>

namespace mvf {

namespace {

// A Brazilian ABNT2-like layout: digits and the comma plain, "?" behind Shift, no key for "€".
class LayoutFalso : public LayoutTeclado {
public:
    std::int16_t TeclaDoCaractere(char32_t c) const override {
        if (c >= U'0' && c <= U'9')
            return static_cast<std::int16_t>(0x30 + (c - U'0'));
        if (c == U',')
            return 0xBC;
        if (c == U'.')
            return 0xBE;
        if (c == U'?')
            return 0x1C1;
        return -1;
    }
    std::uint16_t CodigoVarredura(std::uint16_t vk) const override {
        return static_cast<std::uint16_t>(vk + 0x100);
    }
};

using T = AcaoTecla::Tipo;

AcaoTecla abaixo(std::uint16_t vk) {
    return {T::Pressionar, vk, static_cast<std::uint16_t>(vk + 0x100), 0};
}
AcaoTecla acima(std::uint16_t vk) {
    return {T::Soltar, vk, static_cast<std::uint16_t>(vk + 0x100), 0};
}
AcaoTecla pausa() {
    return {T::Pausa, 0, 0, 10};
}

} // namespace

TEST(PlanoTeclas, AWeightIsTypedKeyByKeyWithPausesAndEndsWithEnter) {
    LayoutFalso layout;
    const std::vector<AcaoTecla> esperado = {
        abaixo(0x31), acima(0x31), pausa(), abaixo(0xBC), acima(0xBC), pausa(),
        abaixo(0x32), acima(0x32), pausa(), abaixo(0x35), acima(0x35), pausa(),
        abaixo(0x30), acima(0x30), pausa(), abaixo(0x0D), acima(0x0D),
    };
    EXPECT_EQ(PlanoDigitacao("1,250", layout), esperado);
}

TEST(PlanoTeclas, ShiftWrapsTheKeyOnlyWhenTheLayoutAsksForIt) {
    LayoutFalso layout;
    const std::vector<AcaoTecla> esperado = {abaixo(0x10), abaixo(0xC1), acima(0xC1), acima(0x10),
                                             pausa(),      abaixo(0x0D), acima(0x0D)};
    EXPECT_EQ(PlanoDigitacao("?", layout), esperado);
}

TEST(PlanoTeclas, CharactersWithoutAKeyAreLeftOutAndAnEmptyTextIsJustEnter) {
    LayoutFalso layout;
    EXPECT_EQ(PlanoDigitacao("€", layout), (std::vector<AcaoTecla>{abaixo(0x0D), acima(0x0D)}));
    EXPECT_EQ(PlanoDigitacao("", layout), (std::vector<AcaoTecla>{abaixo(0x0D), acima(0x0D)}));
    EXPECT_EQ(PlanoDigitacao("1€", layout).size(), 5u);
}

} // namespace mvf
