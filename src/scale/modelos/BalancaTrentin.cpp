#include "scale/modelos/BalancaTrentin.h"

#include "scale/ConversaoPeso.h"
#include "scale/TDispositivo.h"
#include "scale/TextoResposta.h"

namespace mvf {

using namespace texto;

TBalancaTrentin::TBalancaTrentin(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Trentin";
}

void TBalancaTrentin::SolicitarPeso() {
    Device().SerialPurgar();
    Device().EnviaString("\x05");
}

double TBalancaTrentin::LePeso(int MillisecTimeOut) {
    SolicitarPeso();
    Esperar(200);
    LeSerial(MillisecTimeOut);
    return fpUltimoPesoLido;
}

void TBalancaTrentin::LeSerial(int MillisecTimeOut) {
    fpUltimoPesoLido = 0;
    try {
        fpUltimaResposta = Device().SerialRecebePacote(MillisecTimeOut);
        fpUltimoPesoLido = InterpretarRepostaPeso(fpUltimaResposta);
    } catch (...) {
        fpUltimoPesoLido = peso::FalhaLeitura;
    }
}

double TBalancaTrentin::InterpretarRepostaPeso(const std::string& aResposta) {
    std::string campo;
    if (!aResposta.empty() && Pos("\x02", aResposta) > 0) {
        fpProtocolo = "Protocolo Condec";
        const int Q = Pos("\x02", aResposta);
        int E = Pos("\r", aResposta, Q + 1);
        if (E == 0)
            E = Tamanho(aResposta);
        campo = Copy(Copy(aResposta, Q, E - Q + 1), 3, 7);
    } else {
        const int R = Pos("\r", aResposta);
        if (R >= 7) {
            for (char c : Copy(aResposta, R - 6, 6))
                if (c >= '0' && c <= '9')
                    campo += c;
        } else {
            campo.assign(1, '0');
        }
    }
    if (campo.empty())
        return peso::SemPeso;
    double valor = 0;
    if (ConverterPeso(campo, fpDecimais, valor))
        return valor;
    std::string alinhado = Trim(campo);
    if (alinhado.size() < 3)
        alinhado.insert(0, 3 - alinhado.size(), ' ');
    if (alinhado[0] == 'M')
        return peso::ToledoC;
    if (alinhado[0] == 'O')
        return peso::Sobrecarga;
    return peso::SemPeso;
}

} // namespace mvf
