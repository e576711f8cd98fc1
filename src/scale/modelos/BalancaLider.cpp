#include "scale/modelos/BalancaLider.h"

#include "scale/ConversaoPeso.h"
#include "scale/TextoResposta.h"

namespace mvf {

using namespace texto;

TBalancaLider::TBalancaLider(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Lider";
    fpSeparadorLogResposta = " , Resposta: ";
}

void TBalancaLider::SolicitarPeso() {}

double TBalancaLider::LePeso(int MillisecTimeOut) {
    return EsperarPesoValido(MillisecTimeOut, false);
}

double TBalancaLider::InterpretarRepostaPeso(const std::string& aResposta) {
    if (aResposta.empty())
        return peso::SemPeso;
    const std::string SOH = "\x01", STX = "\x02";
    std::string texto = aResposta;
    int marca = PosUltimo("E" + STX, texto);
    if (marca == 0)
        marca = PosUltimo("I" + STX, texto);
    if (marca > 0)
        texto = Copy(texto, 1, marca + 1);
    if (const int soh = PosUltimo(SOH, texto); soh > 0)
        texto = Copy(texto, soh, Tamanho(texto));
    if (ComecaCom(texto, SOH))
        texto.erase(0, 1);
    if (!texto.empty() && texto.back() == STX[0])
        texto.pop_back();
    texto = TrocarSeparador(Substituir(texto, " ", "0"));
    if (texto.empty())
        return peso::SemPeso;
    const char status = texto.back();
    texto.pop_back();
    if (status == 'E') {
        double valor = 0;
        return ConverterDecimal(texto, valor) ? valor : peso::SemPeso;
    }
    if (status == 'I')
        return peso::Instavel;
    return peso::SemPeso;
}

} // namespace mvf
