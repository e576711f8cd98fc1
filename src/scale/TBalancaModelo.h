#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mvf {

// The scale models, in the order whose ordinals the settings file stores.
enum class TBalancaModelo {
    balNenhum,
    balFilizola,
    balToledo,
    balToledo2090,
    balToledo2180,
    balUrano,
    balLucasTec,
    balMagna,
    balDigitron,
    balMagellan,
    balUranoPOP,
    balLider,
    balRinnert,
    balMuller,
    balSaturno,
    balAFTS,
    balGenerica,
    balLibratek,
    balMicheletti,
    balAlfa,
    balToledo9091_8530_8540,
    balWeightechWT1000,
    balMarelCG62XL,
    balWeightechWT3000_ABS,
    balToledo2090N,
    balToledoBCS21,
    balPrecision,
    balDigitron_UL,
    balLibratekWT3000IR,
    balToledoTi420,
    balWeightechWT27R_ETH,
    balCapital,
    balMarte,
    balLenkeLK2500,
    balWeighTRUTest,
    balUranoUDC,
    balSiciliano,
    balTrentin,
    balWeightechWT3000IR_ABS,
};

inline constexpr int QuantidadeModelos = 39;

// The enumeration name of a model ("balToledo").
std::string NomeModelo(TBalancaModelo modelo);
// A model by its ordinal ("2") or its enumeration name ("balToledo", any letter case).
std::optional<TBalancaModelo> ModeloPorTexto(const std::string& texto);
std::optional<TBalancaModelo> ModeloPorOrdinal(int ordinal);

} // namespace mvf
