#include "scale/modelos/BalancaMicheletti.h"

#include "scale/ConversaoPeso.h"
#include "scale/TextoResposta.h"

namespace mvf {

using namespace texto;

TBalancaMicheletti::TBalancaMicheletti(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Micheletti";
}

double TBalancaMicheletti::InterpretarRepostaPeso(const std::string& aResposta) {
    if (aResposta.empty())
        return peso::SemPeso;
    const std::string campo = Trim(Copy(Copy(aResposta, 1, 10), 4, 7));
    double valor = 0;
    return ConverterDecimal(campo, valor) ? valor : peso::SemPeso;
}

} // namespace mvf
