#include "platform/PlanoTeclas.h"

#include <windows.h>

namespace mvf {

namespace {

class LayoutWindows final : public LayoutTeclado {
public:
    std::int16_t TeclaDoCaractere(char32_t caractere) const override {
        // Every character a weight can hold is in the basic plane; anything else has no key.
        if (caractere > 0xFFFF)
            return -1;
        return static_cast<std::int16_t>(::VkKeyScanW(static_cast<WCHAR>(caractere)));
    }

    std::uint16_t CodigoVarredura(std::uint16_t teclaVirtual) const override {
        return static_cast<std::uint16_t>(::MapVirtualKeyW(teclaVirtual, MAPVK_VK_TO_VSC));
    }
};

} // namespace

std::unique_ptr<LayoutTeclado> LayoutDoSistema() {
    return std::make_unique<LayoutWindows>();
}

} // namespace mvf
