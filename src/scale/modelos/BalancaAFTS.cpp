#include "scale/modelos/BalancaAFTS.h"

#include "scale/ConversaoPeso.h"
#include "scale/TextoResposta.h"

#include <algorithm>

namespace mvf {

using namespace texto;

TBalancaAFTS::TBalancaAFTS(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "AFTS";
}

double TBalancaAFTS::InterpretarRepostaPeso(const std::string& aResposta) {
    if (aResposta.empty())
        return peso::SemPeso;
    std::string campo = Trim(Copy(Copy(aResposta, 1, 10), 2, 7));
    std::reverse(campo.begin(), campo.end());
    double valor = 0;
    if (ConverterDecimal(campo, valor))
        return valor;
    return LetraStatus(campo);
}

} // namespace mvf
