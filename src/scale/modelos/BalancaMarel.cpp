#include "scale/modelos/BalancaMarel.h"

#include "scale/ConversaoPeso.h"
#include "scale/TextoResposta.h"

namespace mvf {

using namespace texto;

TBalancaMarelCG62XL::TBalancaMarelCG62XL(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Marel";
}

double TBalancaMarelCG62XL::LePeso(int MillisecTimeOut) {
    return EsperarPesoValido(MillisecTimeOut, true);
}

double TBalancaMarelCG62XL::InterpretarRepostaPeso(const std::string& aResposta) {
    const int P = PosUltimo("\x02", aResposta);
    fpUltimaResposta = Copy(aResposta, P, Tamanho(aResposta));
    const std::string campo = Trim(Copy(aResposta, P + 14, 9));
    if (aResposta.empty())
        return peso::FalhaLeitura;
    return PesoOuStatus(campo, 1, peso::FalhaLeitura);
}

} // namespace mvf
