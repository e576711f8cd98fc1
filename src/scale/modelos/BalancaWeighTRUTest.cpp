#include "scale/modelos/BalancaWeighTRUTest.h"

#include "core/NumberText.h"
#include "scale/ConversaoPeso.h"
#include "scale/TDispositivo.h"
#include "scale/TextoResposta.h"

namespace mvf {

using namespace texto;

namespace {

std::string semColchetes(const std::string& s) {
    return Remover(Remover(s, "["), "]");
}

} // namespace

TBalancaWeighTRUTest::TBalancaWeighTRUTest(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Weigh TRU-Test";
}

void TBalancaWeighTRUTest::SolicitarPeso() {
    EnviarPedido("{RW}", true, false);
}

double TBalancaWeighTRUTest::LePeso(int MillisecTimeOut) {
    return EsperarPesoValido(MillisecTimeOut, true);
}

void TBalancaWeighTRUTest::LeSerial(int) {
    fpUltimoPesoLido = 0;
    try {
        // The scale's answer is short: what is waiting, counted in one byte, or one packet.
        const int esperando = Device().BytesParaLer() & 0xFF;
        fpUltimaResposta = Device().LeString(200, esperando, "");
        const std::string texto = semColchetes(fpUltimaResposta);
        LogRecepcao(fpUltimaResposta);
        if (texto.empty())
            fpUltimoPesoLido = peso::FalhaLeitura;
        else if (texto[0] == 'U')
            fpUltimoPesoLido = peso::Instavel;
        else
            fpUltimoPesoLido = InterpretarRepostaPeso(fpUltimaResposta);
    } catch (...) {
        fpUltimoPesoLido = peso::FalhaLeitura;
    }
    LogResultado();
}

double TBalancaWeighTRUTest::InterpretarRepostaPeso(const std::string& aResposta) {
    if (aResposta.empty())
        return peso::SemPeso;
    // The comma is this scale's own separator; the rest of the program keeps the locale's.
    std::string texto = semColchetes(aResposta);
    for (char& c : texto)
        if (c == '.')
            c = ',';
    double valor = 0;
    return tryParseDecimal(texto, ',', valor) ? valor : peso::SemPeso;
}

} // namespace mvf
