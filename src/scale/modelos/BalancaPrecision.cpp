#include "scale/modelos/BalancaPrecision.h"

#include "scale/ConversaoPeso.h"
#include "scale/TextoResposta.h"

namespace mvf {

using namespace texto;

namespace {

// The frame from the first STX up to, not including, the first CR after it; P is that STX.
std::string quadroAteCR(const std::string& r, int& P) {
    P = Pos("\x02", r);
    int E = Pos("\r", r, P + 1);
    if (E == 0)
        E = Tamanho(r) + 1;
    return Copy(r, P, E - P);
}

} // namespace

TBalancaPrecision::TBalancaPrecision(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Precision";
}

void TBalancaPrecision::SolicitarPeso() {}

double TBalancaPrecision::InterpretarRepostaPeso(const std::string& aResposta) {
    int P = 0;
    const std::string quadro = quadroAteCR(aResposta, P);
    const char primeiro = Em(quadro, 1);
    std::string campo = Trim(Copy(quadro, P + 2, 6));
    if (campo.empty())
        return peso::SemPeso;
    if (std::string("HILMT").find(primeiro) != std::string::npos && primeiro != '\0')
        campo = "-" + campo;
    double valor = 0;
    if (!ConverterPeso(campo, 1000, valor))
        return peso::SemPeso;
    switch (Maiusculas(std::string(1, primeiro))[0]) {
    case 'G':
    case 'F':
        return peso::SemPeso;
    case 'A':
    case '@':
        return peso::Instavel;
    case 'H':
    case 'T':
    case 'M':
    case 'L':
    case 'I':
        return peso::Negativo;
    default:
        return valor;
    }
}

TBalancaLenkeLK2500::TBalancaLenkeLK2500(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Lenke LK2500";
}

void TBalancaLenkeLK2500::SolicitarPeso() {}

double TBalancaLenkeLK2500::InterpretarRepostaPeso(const std::string& aResposta) {
    int P = 0;
    const std::string quadro = quadroAteCR(aResposta, P);
    std::string campo = Trim(Copy(quadro, P, 8));
    if (campo.empty())
        return peso::SemPeso;
    if (Pos("MN", quadro) > 0)
        campo = "-" + campo;
    double valor = 0;
    if (!ConverterPeso(campo, 1000, valor))
        return peso::SemPeso;
    const std::string estado = Maiusculas(Copy(quadro, 9, 2));
    if (estado == "MP")
        return peso::Instavel;
    if (estado == "MN")
        return peso::Negativo;
    return valor;
}

} // namespace mvf
