#include "scale/modelos/BalancaWeightech.h"

#include "core/NumberText.h"
#include "scale/ConversaoPeso.h"
#include "scale/TextoResposta.h"

namespace mvf {

using namespace texto;

TBalancaWeightechQuadroFixo::TBalancaWeightechQuadroFixo(TBalanca* AOwner, int tamanhoQuadro, int posicaoPeso)
    : TBalancaClass(AOwner), fTamanhoQuadro(tamanhoQuadro), fPosicaoPeso(posicaoPeso) {}

double TBalancaWeightechQuadroFixo::LePeso(int MillisecTimeOut) {
    return EsperarPesoValido(MillisecTimeOut, true);
}

double TBalancaWeightechQuadroFixo::InterpretarRepostaPeso(const std::string& aResposta) {
    std::string texto = aResposta;
    if (const int lf = Pos("\n", aResposta); lf > 0)
        texto = Copy(aResposta, lf + 1, fTamanhoQuadro);
    if (Tamanho(texto) != fTamanhoQuadro)
        return peso::SemPeso;
    if (texto[0] == '1')
        return peso::Instavel;
    double valor = 0;
    return ConverterDecimal(Copy(texto, fPosicaoPeso, 7), valor) ? valor : peso::SemPeso;
}

TBalancaWeightechWT1000::TBalancaWeightechWT1000(TBalanca* AOwner)
    : TBalancaWeightechQuadroFixo(AOwner, 25, 19) {
    fpModeloStr = "Weightech WT1000";
}

TBalancaWeightechWT3000_ABS::TBalancaWeightechWT3000_ABS(TBalanca* AOwner)
    : TBalancaWeightechQuadroFixo(AOwner, 16, 8) {
    fpModeloStr = "Weightech WT3000_ABS";
}

TBalancaWeightechWT3000IR_ABS::TBalancaWeightechWT3000IR_ABS(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Weightech WT3000IR_ABS";
}

double TBalancaWeightechWT3000IR_ABS::InterpretarRepostaPeso(const std::string& aResposta) {
    std::string quadro = Trim(aResposta);
    if (Tamanho(aResposta) > 18) {
        if (const int lf = PosUltimo("\n", quadro); lf > 0)
            quadro = Copy(quadro, lf + 1, Tamanho(quadro));
        quadro = Copy(quadro, 1, 19);
    }
    if (Tamanho(quadro) != 19)
        return peso::FalhaLeitura;
    const std::string status = Maiusculas(Copy(quadro, 1, 2));
    const std::string tipo = Maiusculas(Copy(quadro, 4, 2));
    const char sinal = Em(quadro, 7);
    const bool valido = (status == "ST" || status == "US" || status == "OL") &&
                        (tipo == "GS" || tipo == "NT" || tipo == "TR") && (sinal == '+' || sinal == '-');
    if (!valido)
        return peso::FalhaLeitura;
    if (status == "ST") {
        double valor = 0;
        return tryParseDecimal(Copy(Trim(TrocarSeparador(quadro)), 8, 8), valor) ? valor : peso::SemPeso;
    }
    if (status == "US")
        return peso::Instavel;
    return sinal == '-' ? peso::Negativo : peso::Sobrecarga;
}

TBalancaWeightechWT27R_ETH::TBalancaWeightechWT27R_ETH(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "WeightechWT27R_ETH";
}

double TBalancaWeightechWT27R_ETH::InterpretarRepostaPeso(const std::string& aResposta) {
    if (aResposta.empty())
        return peso::SemPeso;
    const std::string T = Trim(aResposta);
    if (ComecaCom(T, "I"))
        return peso::Instavel;
    const std::string alinhado = T.size() < 9 ? std::string(9 - T.size(), ' ') + T : T;
    if (alinhado[8] == '-')
        return peso::Negativo;
    const std::string campo = Trim(Copy(T, 10, 6));
    if (Tamanho(campo) != 6)
        return peso::SemPeso;
    if (Maiusculas(campo) == "999999")
        return peso::Sobrecarga;
    double divisor = 1;
    if (campo.find(SeparadorDecimalBalanca()) == std::string::npos && Minusculas(Trim(Copy(T, 4, 2))) != "kg")
        divisor = 1000;
    double valor = 0;
    return ConverterDecimal(campo, valor) ? valor / divisor : peso::SemPeso;
}

} // namespace mvf
