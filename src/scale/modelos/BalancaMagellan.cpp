#include "scale/modelos/BalancaMagellan.h"

#include "scale/ConversaoPeso.h"
#include "scale/TextoResposta.h"

namespace mvf {

using namespace texto;

TBalancaMagellan::TBalancaMagellan(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Magellan";
}

void TBalancaMagellan::SolicitarPeso() {
    EnviarPedido("W");
}

double TBalancaMagellan::InterpretarRepostaPeso(const std::string& aResposta) {
    std::string campo;
    if (Tamanho(aResposta) < 21) {
        const int stx = Pos("\x02", aResposta);
        int fim;
        if (Pos("\x03", aResposta) == 0) {
            fim = Pos("\r", aResposta, stx + 1);
            if (fim == 0)
                fim = Tamanho(aResposta) + 1;
        } else {
            fim = Pos("\x03", aResposta, stx + 1);
            if (fim == 0)
                fim = Tamanho(aResposta) + 1;
        }
        campo = Trim(Copy(aResposta, stx + 1, fim - stx - 1));
    } else {
        if (static_cast<unsigned char>(Em(aResposta, 9)) & 0x08)
            fpDecimais = 100;
        campo = Trim(Copy(aResposta, 3, 6));
    }
    if (campo.empty())
        return peso::SemPeso;
    // Only the point stands for the decimal separator here.
    const std::string trocado = Substituir(campo, ".", std::string(1, SeparadorDecimalBalanca()));
    double valor = 0;
    if (ConverterPesoSemTroca(trocado, fpDecimais, valor))
        return valor;
    return LetraStatus(trocado);
}

} // namespace mvf
