#include "scale/modelos/BalancaSiciliano.h"

#include "core/NumberText.h"
#include "scale/ConversaoPeso.h"
#include "scale/TextoResposta.h"

namespace mvf {

using namespace texto;

TBalancaSiciliano::TBalancaSiciliano(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Siciliano";
}

std::string TBalancaSiciliano::ComplementoLogResultado() const {
    return " - Protocolo: " + fpProtocolo;
}

double TBalancaSiciliano::InterpretarRepostaPeso(const std::string& aResposta) {
    const std::string& r = aResposta;
    const int tamanho = Tamanho(r);
    const int Q = Pos("\x02", r);
    const int etx = Pos("\x03", r, Q + 1);
    const bool ip09 = (tamanho >= 15 && r[0] == '\x02' && Em(r, 15) == '\x03') ||
                      ((etx == 0 ? tamanho + 1 : etx) - Q == 14);
    const int E = etx == 0 ? tamanho : etx;
    const std::string quadro = Copy(r, Q, E - Q + 1);
    std::string texto;
    if (ip09) {
        fpProtocolo = "Protocolo IP09";
        texto = Em(quadro, 5) == '-' ? std::string("N") : Copy(quadro, 6, 6);
    } else {
        fpProtocolo = "Protocolo IP10";
        if (Tamanho(quadro) > 1) {
            double tara = 0, bruto = 0;
            // A malformed gross or tare is a failed reading, not a weight.
            if (!tryParseDecimal(Copy(quadro, 16, 6), tara) || !tryParseDecimal(Copy(quadro, 5, 6), bruto))
                return peso::FalhaLeitura;
            if (bruto >= tara && Em(quadro, 4) != '-')
                texto = formatGeneralNumber(bruto - tara > 0 ? bruto - tara : bruto);
            else
                texto.assign(1, 'N');
        }
    }
    if (r.empty())
        return peso::SemPeso;
    double valor = 0;
    if (ConverterDecimal(texto, valor))
        return valor;
    return LetraStatus(texto);
}

} // namespace mvf
