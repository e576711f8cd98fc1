#include "scale/modelos/BalancaDigitron.h"

#include "scale/ConversaoPeso.h"
#include "scale/TextoResposta.h"

namespace mvf {

using namespace texto;

TBalancaDigitron::TBalancaDigitron(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Digitron";
}

double TBalancaDigitron::InterpretarRepostaPeso(const std::string& aResposta) {
    if (aResposta.empty())
        return peso::FalhaLeitura;
    std::string texto = Copy(aResposta, 1, 10);
    if (!texto.empty() && texto[0] == '\x02')
        texto.erase(0, 1);
    if (const auto etx = texto.find('\x03'); etx != std::string::npos)
        texto.resize(etx);
    if (texto.empty())
        return peso::FalhaLeitura;
    return PesoOuStatus(texto, 100, peso::FalhaLeitura);
}

TBalancaDigitron_UL::TBalancaDigitron_UL(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Digitron_UL";
}

double TBalancaDigitron_UL::InterpretarRepostaPeso(const std::string& aResposta) {
    if (aResposta.empty())
        return peso::FalhaLeitura;
    std::string texto = Copy(aResposta, 1, 8);
    for (char prefixo : {'D', 'E', 'F', '@'})
        if (!texto.empty() && texto[0] == prefixo)
            texto.erase(0, 1);
    if (texto.empty())
        return peso::FalhaLeitura;
    return PesoOuStatus(texto, 100, peso::FalhaLeitura);
}

} // namespace mvf
