#include "scale/modelos/BalancaAlfa.h"

#include "core/NumberText.h"
#include "scale/ConversaoPeso.h"
#include "scale/TextoResposta.h"

namespace mvf {

using namespace texto;

TBalancaAlfa::TBalancaAlfa(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Alfa";
}

double TBalancaAlfa::InterpretarRepostaPeso(const std::string& aResposta) {
    if (aResposta.empty())
        return peso::SemPeso;
    const std::string campo = TrocarSeparador(Copy(Copy(aResposta, 1, 10), 5, 6));
    if (campo.empty())
        return peso::SemPeso;
    double valor = 0;
    if (campo.find(SeparadorDecimalBalanca()) == std::string::npos) {
        std::string digitos;
        for (char c : campo)
            if (c >= '0' && c <= '9')
                digitos += c;
        std::int32_t inteiro = 0;
        if (tryParseInteger(digitos, inteiro))
            return inteiro / 100.0;
    } else if (tryParseDecimal(campo, valor)) {
        return valor;
    }
    // The status letter is the first of the whole answer.
    return LetraStatus(aResposta);
}

} // namespace mvf
