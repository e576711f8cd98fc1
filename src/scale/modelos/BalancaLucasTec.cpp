#include "scale/modelos/BalancaLucasTec.h"

#include "scale/ConversaoPeso.h"
#include "scale/TDispositivo.h"
#include "scale/TextoResposta.h"

#include <array>
#include <exception>

namespace mvf {

using namespace texto;

namespace {

// The number written just before a tag: what follows the last blank of the trimmed text
// before it; no tag, no blank or no number gives 0.
double numeroAntesDe(const std::string& texto, const std::string& tag) {
    const int p = Pos(Minusculas(tag), Minusculas(texto));
    if (p == 0)
        return 0;
    const std::string antes = Trim(Copy(texto, 1, p - 1));
    const int espaco = PosUltimo(" ", antes);
    if (espaco == 0)
        return 0;
    double valor = 0;
    return ConverterPeso(Copy(antes, espaco + 1, Tamanho(antes)), 1000, valor) ? valor : 0;
}

} // namespace

TBalancaLucasTec::TBalancaLucasTec(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "LucasTec";
}

void TBalancaLucasTec::LeSerial(int MillisecTimeOut) {
    fpUltimoPesoLido = 0;
    fpUltimaResposta.clear();
    std::array<double, 4> leituras{};
    try {
        for (double& leitura : leituras) {
            fpUltimaResposta = Device().LeString(MillisecTimeOut, 0, "\r");
            LogRecepcao(fpUltimaResposta);
            leitura = InterpretarRepostaPeso(fpUltimaResposta);
        }
        fpUltimoPesoLido =
            (leituras[1] == leituras[2] && leituras[2] == leituras[3]) ? leituras[3] : peso::Instavel;
    } catch (const std::exception& e) {
        fpUltimoPesoLido = peso::FalhaLeitura;
        fpUltimaResposta = e.what();
    }
    LogResultado();
}

double TBalancaLucasTec::InterpretarRepostaPeso(const std::string& aResposta) {
    if (aResposta.empty())
        return peso::SemPeso;
    const int stx = Pos("\x02", aResposta);
    const std::string texto = stx > 0 ? Copy(aResposta, stx + 1, Tamanho(aResposta)) : aResposta;
    if (Pos("kg B ", texto) == 0)
        return peso::SemPeso;
    const double L = numeroAntesDe(texto, "kg L");
    const double T = numeroAntesDe(texto, "kg T");
    const double B = numeroAntesDe(texto, "kg B");
    if (B >= T)
        return L > 0 ? L : B;
    return peso::Negativo;
}

} // namespace mvf
