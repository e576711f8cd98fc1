#include "scaleload/TCargaBalNutricional.h"

namespace mvf {

void TCargaBalNutricional::Limpar() {
    Codigo = 0;
    Qtd = 0;
    PartInteira = 0;
    ValorEnergetico = 0;
    Carboidrato = Proteina = GorduraTotal = GorduraSaturada = GorduraTrans = Fibra = Sodio = Currency{};
    UndPorcao = TCargaBalNutriUndPorcao::tpGramas;
    PartDecimal = TCargaBalNutriPartdecimal::tpPara0;
    MedCaseira = TCargaBalNutriMedCaseira::tpColherSopa;
}

} // namespace mvf
