#include "platform/PlanoTeclas.h"

#include "core/Utf8.h"

namespace mvf {

namespace {

void tecla(std::vector<AcaoTecla>& plano, std::uint16_t vk, const LayoutTeclado& layout) {
    const std::uint16_t scan = layout.CodigoVarredura(vk);
    plano.push_back({AcaoTecla::Tipo::Pressionar, vk, scan, 0});
    plano.push_back({AcaoTecla::Tipo::Soltar, vk, scan, 0});
}

} // namespace

std::vector<AcaoTecla> PlanoDigitacao(const std::string& textoUtf8, const LayoutTeclado& layout) {
    std::vector<AcaoTecla> plano;
    for (std::size_t pos = 0; pos < textoUtf8.size();) {
        const char32_t c = utf8::next(textoUtf8, pos);
        const std::int16_t codigo = layout.TeclaDoCaractere(c);
        if (codigo == -1)
            continue;
        const auto vk = static_cast<std::uint16_t>(codigo & 0xFF);
        const bool shift = (codigo & 0x100) != 0;
        if (shift)
            plano.push_back(
                {AcaoTecla::Tipo::Pressionar, kTeclaShift, layout.CodigoVarredura(kTeclaShift), 0});
        tecla(plano, vk, layout);
        if (shift)
            plano.push_back({AcaoTecla::Tipo::Soltar, kTeclaShift, layout.CodigoVarredura(kTeclaShift), 0});
        plano.push_back({AcaoTecla::Tipo::Pausa, 0, 0, kPausaEntreCaracteresMs});
    }
    tecla(plano, kTeclaEnter, layout);
    return plano;
}

} // namespace mvf
