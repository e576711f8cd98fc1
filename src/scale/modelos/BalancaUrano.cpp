#include "scale/modelos/BalancaUrano.h"

#include "scale/ConversaoPeso.h"
#include "scale/TextoResposta.h"

namespace mvf {

using namespace texto;

namespace {

// The characters between ": " and "kg" of a text.
std::string entreDoisPontosEKg(const std::string& texto, int doisPontos) {
    const int g = Pos("g", texto);
    return Copy(texto, doisPontos + 2, g - doisPontos - 3);
}

double converterUrano(const std::string& texto) {
    if (texto.empty())
        return peso::SemPeso;
    return PesoOuStatus(texto, 1000);
}

} // namespace

TBalancaUrano::TBalancaUrano(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Urano";
}

double TBalancaUrano::LePeso(int MillisecTimeOut) {
    return EsperarPesoValido(MillisecTimeOut, true);
}

double TBalancaUrano::InterpretarRepostaPeso(const std::string& aResposta) {
    int A = Pos(":", aResposta);
    if (A == 0)
        A = Pos("N0", aResposta);
    const int B = Pos("PESO", aResposta);
    std::string texto;
    if (Em(aResposta, B - 2) == ' ')
        texto.assign(1, 'I');
    else if (Em(aResposta, A + 1) == '-')
        texto.assign(1, 'N');
    else
        texto = aResposta;
    if (Tamanho(texto) > 1)
        texto = entreDoisPontosEKg(texto, A);
    return converterUrano(texto);
}

TBalancaUranoUDC::TBalancaUranoUDC(TBalanca* AOwner) : TBalancaUrano(AOwner) {
    fpModeloStr = "UranoUDC";
}

void TBalancaUranoUDC::SolicitarPeso() {
    EnviarPedido("\x04");
}

TBalancaUranoPOP::TBalancaUranoPOP(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Urano";
}

double TBalancaUranoPOP::LePeso(int MillisecTimeOut) {
    fpUltimoPesoLido = peso::Instavel;
    SolicitarPeso();
    Esperar(600);
    LeSerial(MillisecTimeOut);
    return fpUltimoPesoLido;
}

double TBalancaUranoPOP::InterpretarRepostaPeso(const std::string& aResposta) {
    std::string texto;
    if (const int K = Pos("PESO L:", aResposta); K > 0) {
        texto = Copy(aResposta, K, 16);
        const int A = Pos(":", texto);
        if (Tamanho(texto) > 1)
            texto = entreDoisPontosEKg(texto, A);
    } else if (Pos("TARA:", aResposta) > 0) {
        texto.clear();
    } else if (const int kg = Pos("kg", aResposta); kg > 0) {
        texto = Copy(aResposta, kg - 7, 6);
    }
    return converterUrano(texto);
}

} // namespace mvf
