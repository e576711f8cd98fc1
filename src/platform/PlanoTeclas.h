#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace mvf {

// One step of typing a text into the focused program: a key going down or up (with the
// virtual-key and scan codes the system needs), or a pause between characters.
struct AcaoTecla {
    enum class Tipo { Pressionar, Soltar, Pausa };
    Tipo tipo = Tipo::Pressionar;
    std::uint16_t teclaVirtual = 0;
    std::uint16_t codigoVarredura = 0;
    int pausaMs = 0;

    bool operator==(const AcaoTecla&) const = default;
};

// What the keyboard layout says about a character: in the form of VkKeyScanW, the low byte is the
// virtual-key code and 0x100 means Shift is needed; -1 when the layout has no key for it.
class LayoutTeclado {
public:
    virtual ~LayoutTeclado() = default;
    virtual std::int16_t TeclaDoCaractere(char32_t caractere) const = 0;
    // Scan code of a virtual key (MapVirtualKeyW, virtual key to scan code); 0 when unknown.
    virtual std::uint16_t CodigoVarredura(std::uint16_t teclaVirtual) const = 0;
};

// The layout of the running system (Windows: VkKeyScanW/MapVirtualKeyW). Null where this system
// has none to offer.
std::unique_ptr<LayoutTeclado> LayoutDoSistema();

inline constexpr std::uint16_t kTeclaShift = 0x10;
inline constexpr std::uint16_t kTeclaEnter = 0x0D;
inline constexpr int kPausaEntreCaracteresMs = 10;

// The keys that type `textoUtf8` and then Enter: per character Shift down when needed, the key down
// and up, Shift up, and a 10 ms pause. A character the layout cannot type is skipped rather than
// sent as some other key: a weight must arrive exactly or not at all.
std::vector<AcaoTecla> PlanoDigitacao(const std::string& textoUtf8, const LayoutTeclado& layout);

} // namespace mvf
