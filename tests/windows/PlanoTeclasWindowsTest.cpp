#include "platform/PlanoTeclas.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace mvf {

// The system layout must give each character of a weight a key of its own, with the scan code the
// system reports for it, and the plan must end with Enter.
TEST(PlanoTeclasWindows, TheSystemLayoutTypesEveryCharacterOfAWeight) {
    std::unique_ptr<LayoutTeclado> layout = LayoutDoSistema();
    ASSERT_TRUE(layout);
    const std::string texto = "0123456789,.";
    const std::vector<AcaoTecla> plano = PlanoDigitacao(texto, *layout);

    std::size_t i = 0;
    for (char c : texto) {
        const SHORT vkScan = ::VkKeyScanW(static_cast<WCHAR>(c));
        ASSERT_NE(vkScan, -1) << c;
        const auto vk = static_cast<std::uint16_t>(vkScan & 0xFF);
        const auto scan = static_cast<std::uint16_t>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        EXPECT_NE(scan, 0) << c;
        if (vkScan & 0x100) {
            ASSERT_LT(i, plano.size());
            EXPECT_EQ(plano[i++].teclaVirtual, kTeclaShift) << c;
        }
        ASSERT_LE(i + 2, plano.size());
        EXPECT_EQ(plano[i], (AcaoTecla{AcaoTecla::Tipo::Pressionar, vk, scan, 0})) << c;
        EXPECT_EQ(plano[i + 1], (AcaoTecla{AcaoTecla::Tipo::Soltar, vk, scan, 0})) << c;
        i += 2;
        if (vkScan & 0x100) {
            EXPECT_EQ(plano[i++].teclaVirtual, kTeclaShift) << c;
        }
        ASSERT_LT(i, plano.size());
        EXPECT_EQ(plano[i++].tipo, AcaoTecla::Tipo::Pausa) << c;
    }
    const auto enterScan = static_cast<std::uint16_t>(::MapVirtualKeyW(VK_RETURN, MAPVK_VK_TO_VSC));
    ASSERT_EQ(plano.size(), i + 2);
    EXPECT_EQ(plano[i], (AcaoTecla{AcaoTecla::Tipo::Pressionar, kTeclaEnter, enterScan, 0}));
    EXPECT_EQ(plano[i + 1], (AcaoTecla{AcaoTecla::Tipo::Soltar, kTeclaEnter, enterScan, 0}));
    EXPECT_EQ(enterScan, 0x1C);
    // The digits sit on their own virtual keys in every layout.
    EXPECT_EQ(plano[0].teclaVirtual, 0x30);
}

} // namespace mvf
