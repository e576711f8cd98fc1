#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace mvf {

// The ordinal of every enumeration is significant: the load tool stores models by ordinal and
// several formats write the ordinal as a code.

enum class TCargaBalModelo {
    modFilizola,
    modToledo,
    modUrano,
    modUranoS,
    modToledoMGV5,
    modToledoMGV6,
    modToledoMGV7,
    modUranoURF32,
    modRamuza,
    modToledoMGV5Ver1,
    modTriunfoRdc429,
};

enum class TCargaBalTipoVenda { tpvPeso, tpvUnidade, tpvEAN13, tpvEAN13Und };

enum class TCargaBalTipoValidade { tpvDias, tpvMeses };

enum class TCargaBalNutriUndPorcao { tpGramas, tpMililitros, tpUnidades };

enum class TCargaBalNutriUndPorcao429 { tpGramas429, tpMililitros429 };

enum class TCargaBalNutriPartdecimal { tpPara0, tpPara14, tpPara13, tpPara12, tpPara23, tpPara34 };

enum class TCargaBalNutriPartdecimal429 {
    tpPara0_429,
    tpPara14_429,
    tpPara13_429,
    tpPara12_429,
    tpPara23_429,
    tpPara34_429,
};

enum class TCargaBalNutriMedCaseira {
    tpColherSopa,
    tpColherCafe,
    tpColherCha,
    tpXicara,
    tpDeXicara,
    tpUnidade,
    tpPacote,
    tpFatia,
    tpFatiaFina,
    tpPedaco,
    tpFolha,
    tpPao,
    tpBiscoito,
    tpBisnaguinha,
    tpDisco,
    tpCopo,
    tpPorcao,
    tpTablete,
    tpSache,
    tpAlmodega,
    tpBife,
    tpFile,
    tpConcha,
    tpBala,
    tpPratoFundo,
    tpPitada,
    tpLata,
};

enum class TCargaBalNutriMedCaseira429 {
    tpColherSopa429,
    tpColherCafe429,
    tpColherCha429,
    tpXicara429,
    tpDeXicara429,
    tpUnidade429,
    tpPacote429,
    tpFatia429,
    tpFatiaFina429,
    tpPedaco429,
    tpFolha429,
    tpPao429,
    tpBiscoito429,
    tpBisnaguinha429,
    tpDisco429,
    tpCopo429,
    tpPorcao429,
    tpTablete429,
    tpSache429,
    tpAlmodega429,
    tpBife429,
    tpFile429,
    tpConcha429,
    tpBala429,
    tpPratoFundo429,
    tpPitada429,
    tpLata429,
    tpXicaraCha429,
    tpPratoRaso429,
};

template <typename E> constexpr int ordinal(E value) {
    return static_cast<int>(value);
}

// The value names in ordinal order, for text input and messages.
template <typename E> struct EnumNames;

template <> struct EnumNames<TCargaBalModelo> {
    static constexpr std::array<std::string_view, 11> names = {
        "modFilizola",   "modToledo",         "modUrano",        "modUranoS",
        "modToledoMGV5", "modToledoMGV6",     "modToledoMGV7",   "modUranoURF32",
        "modRamuza",     "modToledoMGV5Ver1", "modTriunfoRdc429"};
};
template <> struct EnumNames<TCargaBalTipoVenda> {
    static constexpr std::array<std::string_view, 4> names = {"tpvPeso", "tpvUnidade", "tpvEAN13",
                                                              "tpvEAN13Und"};
};
template <> struct EnumNames<TCargaBalTipoValidade> {
    static constexpr std::array<std::string_view, 2> names = {"tpvDias", "tpvMeses"};
};
template <> struct EnumNames<TCargaBalNutriUndPorcao> {
    static constexpr std::array<std::string_view, 3> names = {"tpGramas", "tpMililitros", "tpUnidades"};
};
template <> struct EnumNames<TCargaBalNutriUndPorcao429> {
    static constexpr std::array<std::string_view, 2> names = {"tpGramas429", "tpMililitros429"};
};
template <> struct EnumNames<TCargaBalNutriPartdecimal> {
    static constexpr std::array<std::string_view, 6> names = {"tpPara0",  "tpPara14", "tpPara13",
                                                              "tpPara12", "tpPara23", "tpPara34"};
};
template <> struct EnumNames<TCargaBalNutriPartdecimal429> {
    static constexpr std::array<std::string_view, 6> names = {"tpPara0_429",  "tpPara14_429", "tpPara13_429",
                                                              "tpPara12_429", "tpPara23_429", "tpPara34_429"};
};
template <> struct EnumNames<TCargaBalNutriMedCaseira> {
    static constexpr std::array<std::string_view, 27> names = {
        "tpColherSopa", "tpColherCafe",  "tpColherCha", "tpXicara", "tpDeXicara", "tpUnidade",
        "tpPacote",     "tpFatia",       "tpFatiaFina", "tpPedaco", "tpFolha",    "tpPao",
        "tpBiscoito",   "tpBisnaguinha", "tpDisco",     "tpCopo",   "tpPorcao",   "tpTablete",
        "tpSache",      "tpAlmodega",    "tpBife",      "tpFile",   "tpConcha",   "tpBala",
        "tpPratoFundo", "tpPitada",      "tpLata"};
};
template <> struct EnumNames<TCargaBalNutriMedCaseira429> {
    static constexpr std::array<std::string_view, 29> names = {
        "tpColherSopa429", "tpColherCafe429", "tpColherCha429", "tpXicara429",      "tpDeXicara429",
        "tpUnidade429",    "tpPacote429",     "tpFatia429",     "tpFatiaFina429",   "tpPedaco429",
        "tpFolha429",      "tpPao429",        "tpBiscoito429",  "tpBisnaguinha429", "tpDisco429",
        "tpCopo429",       "tpPorcao429",     "tpTablete429",   "tpSache429",       "tpAlmodega429",
        "tpBife429",       "tpFile429",       "tpConcha429",    "tpBala429",        "tpPratoFundo429",
        "tpPitada429",     "tpLata429",       "tpXicaraCha429", "tpPratoRaso429"};
};

template <typename E> std::optional<E> enumFromName(std::string_view name) {
    const auto& names = EnumNames<E>::names;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name)
            return static_cast<E>(i);
    return std::nullopt;
}

// Empty for a value outside the enumeration.
template <typename E> std::string_view enumName(E value) {
    const auto& names = EnumNames<E>::names;
    const int i = ordinal(value);
    return i >= 0 && static_cast<std::size_t>(i) < names.size() ? names[static_cast<std::size_t>(i)]
                                                                : std::string_view();
}

} // namespace mvf
