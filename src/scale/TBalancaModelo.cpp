#include "scale/TBalancaModelo.h"

#include "scale/TextoResposta.h"

#include <array>

namespace mvf {

namespace {

constexpr std::array<const char*, QuantidadeModelos> nomes = {
    "balNenhum",
    "balFilizola",
    "balToledo",
    "balToledo2090",
    "balToledo2180",
    "balUrano",
    "balLucasTec",
    "balMagna",
    "balDigitron",
    "balMagellan",
    "balUranoPOP",
    "balLider",
    "balRinnert",
    "balMuller",
    "balSaturno",
    "balAFTS",
    "balGenerica",
    "balLibratek",
    "balMicheletti",
    "balAlfa",
    "balToledo9091_8530_8540",
    "balWeightechWT1000",
    "balMarelCG62XL",
    "balWeightechWT3000_ABS",
    "balToledo2090N",
    "balToledoBCS21",
    "balPrecision",
    "balDigitron_UL",
    "balLibratekWT3000IR",
    "balToledoTi420",
    "balWeightechWT27R_ETH",
    "balCapital",
    "balMarte",
    "balLenkeLK2500",
    "balWeighTRUTest",
    "balUranoUDC",
    "balSiciliano",
    "balTrentin",
    "balWeightechWT3000IR_ABS",
};

} // namespace

std::string NomeModelo(TBalancaModelo modelo) {
    auto i = static_cast<std::size_t>(modelo);
    return i < nomes.size() ? nomes[i] : "";
}

std::optional<TBalancaModelo> ModeloPorOrdinal(int ordinal) {
    if (ordinal < 0 || ordinal >= QuantidadeModelos)
        return std::nullopt;
    return static_cast<TBalancaModelo>(ordinal);
}

std::optional<TBalancaModelo> ModeloPorTexto(const std::string& texto) {
    const std::string limpo = texto::Trim(texto);
    if (!limpo.empty() && limpo.size() <= 3 && limpo.find_first_not_of("0123456789") == std::string::npos)
        return ModeloPorOrdinal(std::stoi(limpo));
    for (std::size_t i = 0; i < nomes.size(); ++i)
        if (texto::IguaisSemCaixa(limpo, nomes[i]))
            return static_cast<TBalancaModelo>(i);
    return std::nullopt;
}

} // namespace mvf
