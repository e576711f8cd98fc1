#pragma once

#include "core/Currency.h"
#include "scaleload/CargaBalTipos.h"

#include <cstdint>
#include <string>

namespace mvf {

// Nutrition facts of an item: the classic table and the RDC 429 labelling block.
class TCargaBalNutricional {
public:
    TCargaBalNutricional() { Limpar(); }

    // Resets the classic table; the name and the RDC 429 block are kept.
    void Limpar();

    std::int32_t Codigo = 0;
    std::string Descricao;
    std::int32_t Qtd = 0;
    TCargaBalNutriUndPorcao UndPorcao = TCargaBalNutriUndPorcao::tpGramas;
    std::int32_t PartInteira = 0;
    TCargaBalNutriPartdecimal PartDecimal = TCargaBalNutriPartdecimal::tpPara0;
    TCargaBalNutriMedCaseira MedCaseira = TCargaBalNutriMedCaseira::tpColherSopa;
    std::int32_t ValorEnergetico = 0;
    Currency Carboidrato;
    Currency Proteina;
    Currency GorduraTotal;
    Currency GorduraSaturada;
    Currency GorduraTrans;
    Currency Fibra;
    Currency Sodio;

    bool QtdeAutomaticaPorcao429 = false;
    std::int32_t QtdePorcEmb429 = 0;
    std::int32_t QtdePorcao429 = 0;
    TCargaBalNutriUndPorcao429 UndPorcao429 = TCargaBalNutriUndPorcao429::tpGramas429;
    std::int32_t PartIntMedidaCaseira429 = 0;
    TCargaBalNutriPartdecimal429 PartDecMedidaCaseira429 = TCargaBalNutriPartdecimal429::tpPara0_429;
    TCargaBalNutriMedCaseira429 MedCaseira429 = TCargaBalNutriMedCaseira429::tpColherSopa429;
    std::int32_t ValorEnergetico429 = 0;
    Currency Carboidrato429;
    double AcucaresTotais429 = 0;
    double AcucaresAdicionados429 = 0;
    double Proteinas429 = 0;
    double GordurasTotais429 = 0;
    double GordurasSaturadas429 = 0;
    double GordurasTrans429 = 0;
    double FibraAlimentar429 = 0;
    double Sodio429 = 0;
    std::int32_t AltoAcucar429 = 0;
    std::int32_t AltoGordura429 = 0;
    std::int32_t AltoSodio429 = 0;
    double Lactose429 = 0;
    double Galactose429 = 0;
    std::int32_t ImprimeLactoseGalactose = 0;
    bool ImprimeCamposEstendido = false;
    double AcucaresAdicionadosEstendido429 = 0;
    double AcucaresTotaisEstendido429 = 0;
    double GordurasTotaisEstendido429 = 0;
    double ProteinasEstendido429 = 0;
};

} // namespace mvf
