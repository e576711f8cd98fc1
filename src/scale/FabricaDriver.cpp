#include "scale/TBalanca.h"
#include "scale/modelos/BalancaAFTS.h"
#include "scale/modelos/BalancaAlfa.h"
#include "scale/modelos/BalancaCapital.h"
#include "scale/modelos/BalancaDigitron.h"
#include "scale/modelos/BalancaFilizola.h"
#include "scale/modelos/BalancaLibratek.h"
#include "scale/modelos/BalancaLider.h"
#include "scale/modelos/BalancaLucasTec.h"
#include "scale/modelos/BalancaMagellan.h"
#include "scale/modelos/BalancaMagna.h"
#include "scale/modelos/BalancaMarel.h"
#include "scale/modelos/BalancaMarte.h"
#include "scale/modelos/BalancaMicheletti.h"
#include "scale/modelos/BalancaPrecision.h"
#include "scale/modelos/BalancaRinnert.h"
#include "scale/modelos/BalancaSaturno.h"
#include "scale/modelos/BalancaSiciliano.h"
#include "scale/modelos/BalancaToledo.h"
#include "scale/modelos/BalancaTrentin.h"
#include "scale/modelos/BalancaUrano.h"
#include "scale/modelos/BalancaWeighTRUTest.h"
#include "scale/modelos/BalancaWeightech.h"

namespace mvf {

std::unique_ptr<TBalancaClass> CriarDriverBalanca(TBalancaModelo modelo, TBalanca* owner) {
    using M = TBalancaModelo;
    switch (modelo) {
    case M::balFilizola:
        return std::make_unique<TBalancaFilizola>(owner);
    case M::balToledo:
        return std::make_unique<TBalancaToledo>(owner);
    case M::balToledo2090:
        return std::make_unique<TBalancaToledo2090>(owner);
    case M::balToledo2180:
        return std::make_unique<TBalancaToledo2180>(owner);
    case M::balUrano:
        return std::make_unique<TBalancaUrano>(owner);
    case M::balLucasTec:
        return std::make_unique<TBalancaLucasTec>(owner);
    case M::balMagna:
        return std::make_unique<TBalancaMagna>(owner);
    case M::balDigitron:
        return std::make_unique<TBalancaDigitron>(owner);
    case M::balMagellan:
        return std::make_unique<TBalancaMagellan>(owner);
    case M::balUranoPOP:
        return std::make_unique<TBalancaUranoPOP>(owner);
    case M::balLider:
        return std::make_unique<TBalancaLider>(owner);
    case M::balRinnert:
        return std::make_unique<TBalancaRinnert>(owner);
    case M::balMuller:
        return std::make_unique<TBalancaMuller>(owner);
    case M::balSaturno:
        return std::make_unique<TBalancaSaturno>(owner);
    case M::balAFTS:
        return std::make_unique<TBalancaAFTS>(owner);
    case M::balLibratek:
        return std::make_unique<TBalancaLibratek>(owner);
    case M::balMicheletti:
        return std::make_unique<TBalancaMicheletti>(owner);
    case M::balAlfa:
        return std::make_unique<TBalancaAlfa>(owner);
    case M::balToledo9091_8530_8540:
        return std::make_unique<TBalancaToledo9091_8530_8540>(owner);
    case M::balWeightechWT1000:
        return std::make_unique<TBalancaWeightechWT1000>(owner);
    case M::balMarelCG62XL:
        return std::make_unique<TBalancaMarelCG62XL>(owner);
    case M::balWeightechWT3000_ABS:
        return std::make_unique<TBalancaWeightechWT3000_ABS>(owner);
    case M::balToledo2090N:
        return std::make_unique<TBalancaToledo2090N>(owner);
    case M::balToledoBCS21:
        return std::make_unique<TBalancaToledoBCS21>(owner);
    case M::balPrecision:
        return std::make_unique<TBalancaPrecision>(owner);
    case M::balDigitron_UL:
        return std::make_unique<TBalancaDigitron_UL>(owner);
    case M::balLibratekWT3000IR:
        return std::make_unique<TBalancaLibratekWT3000IR>(owner);
    case M::balToledoTi420:
        return std::make_unique<TBalancaToledoTi420>(owner);
    case M::balWeightechWT27R_ETH:
        return std::make_unique<TBalancaWeightechWT27R_ETH>(owner);
    case M::balCapital:
        return std::make_unique<TBalancaCapital>(owner);
    case M::balMarte:
        return std::make_unique<TBalancaMarte>(owner);
    case M::balLenkeLK2500:
        return std::make_unique<TBalancaLenkeLK2500>(owner);
    case M::balWeighTRUTest:
        return std::make_unique<TBalancaWeighTRUTest>(owner);
    case M::balUranoUDC:
        return std::make_unique<TBalancaUranoUDC>(owner);
    case M::balSiciliano:
        return std::make_unique<TBalancaSiciliano>(owner);
    case M::balTrentin:
        return std::make_unique<TBalancaTrentin>(owner);
    case M::balWeightechWT3000IR_ABS:
        return std::make_unique<TBalancaWeightechWT3000IR_ABS>(owner);
    default:
        return std::make_unique<TBalancaClass>(owner);
    }
}

} // namespace mvf
