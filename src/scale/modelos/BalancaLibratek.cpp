#include "scale/modelos/BalancaLibratek.h"

#include "core/NumberText.h"
#include "scale/ConversaoPeso.h"
#include "scale/Relogio.h"
#include "scale/TDispositivo.h"
#include "scale/TextoResposta.h"

#include <algorithm>

namespace mvf {

using namespace texto;

TBalancaLibratek::TBalancaLibratek(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Libratek";
    fpSeparadorLogResposta = " , Resposta: ";
    setPosIni(PosIniPadrao);
    setPosFim(PosFimPadrao);
}

void TBalancaLibratek::SolicitarPeso() {}

double TBalancaLibratek::LePeso(int MillisecTimeOut) {
    const std::int64_t limite = relogio().AgoraMs() + MillisecTimeOut;
    fpUltimoPesoLido = 0;
    while (fpUltimoPesoLido <= 0 && relogio().AgoraMs() < limite)
        LeSerial(static_cast<int>(std::max<std::int64_t>(1, limite - relogio().AgoraMs())));
    return fpUltimoPesoLido;
}

std::string TBalancaLibratek::Campo(const std::string& aResposta) const {
    return TrocarSeparador(Trim(Copy(aResposta, PosIni(), PosFim())));
}

void TBalancaLibratek::LeSerial(int MillisecTimeOut) {
    fpUltimoPesoLido = 0;
    std::string campo;
    try {
        fpUltimaResposta = Device().LeString(MillisecTimeOut, 0, "");
        LogRecepcao(fpUltimaResposta, "- ");
        campo = Campo(fpUltimaResposta);
        fpUltimoPesoLido = InterpretarRepostaPeso(fpUltimaResposta);
    } catch (...) {
        fpUltimoPesoLido = peso::FalhaLeitura;
    }
    LogResultado(campo);
}

double TBalancaLibratek::InterpretarRepostaPeso(const std::string& aResposta) {
    const std::string status = Copy(aResposta, 1, 2);
    if (status == "ST") {
        double valor = 0;
        return tryParseDecimal(Campo(aResposta), valor) ? valor : peso::FalhaLeitura;
    }
    if (status == "OL")
        return Em(aResposta, 7) == '-' ? peso::Negativo : peso::Sobrecarga;
    if (status == "US")
        return peso::Instavel;
    return peso::SemPeso;
}

TBalancaLibratekWT3000IR::TBalancaLibratekWT3000IR(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Libratek WT3000IR";
}

double TBalancaLibratekWT3000IR::InterpretarRepostaPeso(const std::string& aResposta) {
    const std::string texto = Trim(TrocarSeparador(Trim(Copy(aResposta, 1, 19))));
    const std::string status = Copy(aResposta, 1, 2);
    double resultado = peso::FalhaLeitura;
    if (status == "ST") {
        double valor = 0;
        resultado = tryParseDecimal(Copy(texto, 8, 8), valor) ? valor : peso::FalhaLeitura;
    } else if (status == "OL") {
        resultado = Em(aResposta, 7) == '-' ? peso::Negativo : peso::Sobrecarga;
    } else if (status == "US") {
        resultado = peso::Instavel;
    }
    fpUltimoPesoLido = resultado;
    return resultado;
}

} // namespace mvf
