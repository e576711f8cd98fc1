#include "scale/modelos/BalancaMarte.h"

namespace mvf {

TBalancaMarte::TBalancaMarte(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Marte";
}

void TBalancaMarte::SolicitarPeso() {
    TBalancaClass::SolicitarPeso();
    EnviarPedido("D05", true, false);
}

} // namespace mvf
