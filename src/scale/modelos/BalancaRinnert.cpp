#include "scale/modelos/BalancaRinnert.h"

#include "scale/ConversaoPeso.h"
#include "scale/TextoResposta.h"

namespace mvf {

using namespace texto;

TBalancaRinnert::TBalancaRinnert(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Rinnert";
}

double TBalancaRinnert::LePeso(int MillisecTimeOut) {
    return EsperarPesoValido(MillisecTimeOut, true);
}

double TBalancaRinnert::InterpretarRepostaPeso(const std::string& aResposta) {
    std::string texto = aResposta;
    if (const int mais = Pos("+", aResposta); mais > 0)
        texto = Copy(aResposta, mais + 1, 7);
    if (!texto.empty() && texto.back() == '\x03') {
        texto.pop_back();
    } else if (SoDigitosSemETX()) {
        std::string digitos;
        for (char c : texto)
            if (c >= '0' && c <= '9')
                digitos += c;
        texto = digitos;
    }
    if (texto.empty())
        return peso::SemPeso;
    double valor = 0;
    if (ConverterDecimal(texto, valor))
        return valor;
    return LetraStatus(texto);
}

TBalancaMuller::TBalancaMuller(TBalanca* AOwner) : TBalancaRinnert(AOwner) {
    fpModeloStr = "Muller";
}

} // namespace mvf
