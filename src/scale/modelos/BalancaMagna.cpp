#include "scale/modelos/BalancaMagna.h"

#include "core/NumberText.h"
#include "scale/ConversaoPeso.h"
#include "scale/TextoResposta.h"

namespace mvf {

using namespace texto;

TBalancaMagna::TBalancaMagna(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Magna";
}

void TBalancaMagna::SolicitarPeso() {
    EnviarPedido("P");
}

double TBalancaMagna::InterpretarRepostaPeso(const std::string& aResposta) {
    const int S = PosUltimo("\t", aResposta);
    const int C = PosUltimo("\r", aResposta);
    const std::string texto = Copy(aResposta, S, C - 1);
    const int espaco = Pos(" ", texto);
    const int k = Pos("k", texto);
    const int inicio = espaco < 1 ? 1 : espaco;
    const int fim = k > 0 ? k : Tamanho(texto);
    const std::string campo = TrocarSeparador(Copy(texto, inicio, fim - inicio));
    if (campo.empty())
        return peso::SemPeso;
    double valor = 0;
    if (Tamanho(campo) >= 11) {
        if (tryParseDecimal(Copy(campo, 1, 6), valor))
            return valor / 1000;
    } else if (ConverterPesoSemTroca(campo, 1000, valor)) {
        return valor;
    }
    return campo[0] == 'N' ? peso::Negativo : peso::SemPeso;
}

} // namespace mvf
