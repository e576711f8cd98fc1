#include "scale/TBalanca.h"
#include "scale/modelos/BalancaToledo.h"

namespace mvf {

std::unique_ptr<TBalancaClass> CriarDriverBalanca(TBalancaModelo modelo, TBalanca* owner) {
    using M = TBalancaModelo;
    switch (modelo) {
    case M::balToledo:
        return std::make_unique<TBalancaToledo>(owner);
    case M::balToledo2090:
        return std::make_unique<TBalancaToledo2090>(owner);
    case M::balToledo2180:
        return std::make_unique<TBalancaToledo2180>(owner);
    case M::balToledo9091_8530_8540:
        return std::make_unique<TBalancaToledo9091_8530_8540>(owner);
    case M::balToledo2090N:
        return std::make_unique<TBalancaToledo2090N>(owner);
    case M::balToledoBCS21:
        return std::make_unique<TBalancaToledoBCS21>(owner);
    case M::balToledoTi420:
        return std::make_unique<TBalancaToledoTi420>(owner);
    default:
        return std::make_unique<TBalancaClass>(owner);
    }
}

} // namespace mvf
