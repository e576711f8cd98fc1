#include "scale/modelos/BalancaCapital.h"

#include "scale/ConversaoPeso.h"
#include "scale/TextoResposta.h"

namespace mvf {

using namespace texto;

TBalancaCapital::TBalancaCapital(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Capital";
}

double TBalancaCapital::InterpretarRepostaPeso(const std::string& aResposta) {
    const int S = PosUltimo("E", aResposta);
    const int C = Pos("\r", aResposta, S + 1);
    // The character just before the CR is not part of the weight.
    const std::string campo =
        C > 0 ? Trim(Copy(aResposta, S + 1, C - S - 2)) : Trim(Copy(aResposta, S + 1, Tamanho(aResposta)));
    if (campo.empty())
        return peso::SemPeso;
    double valor = 0;
    return ConverterDecimal(campo, valor) ? valor : peso::SemPeso;
}

} // namespace mvf
