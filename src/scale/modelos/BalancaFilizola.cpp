#include "scale/modelos/BalancaFilizola.h"

#include "core/NumberText.h"
#include "scale/ConversaoPeso.h"
#include "scale/TextoResposta.h"

namespace mvf {

using namespace texto;

TBalancaFilizola::TBalancaFilizola(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Filizola";
}

double TBalancaFilizola::LePeso(int MillisecTimeOut) {
    return EsperarPesoValido(MillisecTimeOut, true);
}

double TBalancaFilizola::InterpretarRepostaPeso(const std::string& aResposta) {
    const int inicio = Pos("\x02", aResposta);
    int fim = Pos("\x03", aResposta, inicio + 1);
    if (fim == 0)
        fim = Pos("\r", aResposta, inicio + 1);
    if (fim == 0)
        fim = Tamanho(aResposta) + 1;
    const std::string texto = TrocarSeparador(Trim(Copy(aResposta, inicio + 1, fim - inicio - 1)));
    if (texto.empty())
        return peso::SemPeso;
    double valor = 0;
    if (Tamanho(texto) >= 11) {
        if (tryParseDecimal(Copy(texto, 1, 6), valor))
            return valor / 1000;
    } else if (ConverterPesoSemTroca(texto, 1000, valor)) {
        return valor;
    }
    return LetraStatus(texto);
}

} // namespace mvf
