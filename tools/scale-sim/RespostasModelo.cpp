#include "RespostasModelo.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace mvf::sim {

namespace {

using M = TBalancaModelo;
using T = Passo::Tipo;

const std::string STX = "\x02", ETX = "\x03", CR = "\r", LF = "\n", SOH = "\x01";

// The weight with the given decimals, zero-filled to the width, with the separator given.
std::string fixo(double peso, int casas, int largura, char separador = '.') {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%0*.*f", largura, casas, peso);
    std::string s = buffer;
    std::replace(s.begin(), s.end(), '.', separador);
    return s;
}

// Whole units of 1/divisor kg, zero-filled to the width.
std::string inteiro(double peso, double divisor, int largura) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%0*lld", largura,
                  static_cast<long long>(std::llround(peso * divisor)));
    return buffer;
}

std::string repete(char c, int n) {
    return std::string(static_cast<std::size_t>(n), c);
}

const std::string lixo = "\x7f?#@!lixo" + CR;

} // namespace

std::string PedidoDoModelo(TBalancaModelo modelo) {
    switch (modelo) {
    case M::balMagna:
        return "P";
    case M::balMagellan:
        return "W";
    case M::balUranoUDC:
        return "\x04";
    case M::balWeighTRUTest:
        return "{RW}";
    case M::balMarte:
        // The ENQ before it is discarded by the program's own purge.
        return "D05";
    case M::balLider:
    case M::balLibratek:
    case M::balPrecision:
    case M::balLenkeLK2500:
        return "";
    default:
        return "\x05";
    }
}

std::string RespostaDoModelo(TBalancaModelo modelo, const Passo& passo, char decimal) {
    const T t = passo.tipo;
    const double w = passo.peso;
    if (t == T::Silencio)
        return "";
    if (t == T::Lixo)
        return lixo;
    // Three letters in the common status convention: unstable, negative, overload.
    auto letras = [&](int n) { return repete(t == T::Instavel ? 'I' : t == T::Negativo ? 'N' : 'S', n); };
    switch (modelo) {
    case M::balNenhum:
    case M::balGenerica:
    case M::balMarte:
        return (t == T::Peso ? inteiro(w, 1000, 6) : letras(6)) + CR;
    case M::balFilizola:
        return STX + (t == T::Peso ? inteiro(w, 1000, 6) : letras(6)) + ETX;
    case M::balToledo: {
        std::string campo = t == T::Peso       ? inteiro(w, 1000, 6)
                            : t == T::Instavel ? "IIIIII"
                            : t == T::Negativo ? "-III,III"
                                               : "+SSS,SSS";
        return STX + campo + CR;
    }
    case M::balToledo2090: {
        const char status = t == T::Negativo ? 'r' : t == T::Sobrecarga ? 's' : 'x';
        const std::string campo = t == T::Instavel ? "IIIIIII" : inteiro(t == T::Negativo ? 0.5 : w, 1000, 7);
        return "TOLEDO" + CR + STX + "0" + status + " " + campo + "00000" + CR;
    }
    case M::balToledo2180:
    case M::balToledoTi420: {
        const std::string quadro =
            std::string("`") + (t == T::Negativo ? std::string("-") + fixo(w, 3, 5) : fixo(w, 3, 6)) + CR;
        const std::string outro = std::string("`") + fixo(w + 0.005, 3, 6) + CR;
        return quadro + quadro + quadro + quadro + (t == T::Instavel ? outro : quadro);
    }
    case M::balUrano:
    case M::balUranoUDC:
        if (t == T::Instavel)
            return "  PESO L: " + fixo(w, 3, 5, ',') + "kg" + CR + LF;
        if (t == T::Negativo)
            return "PESO L:-" + fixo(w, 3, 5, ',') + "kg" + CR + LF;
        if (t == T::Sobrecarga)
            return "PESO L: SSSSSkg" + CR + LF;
        return "PESO L: " + fixo(w, 3, 5, ',') + "kg" + CR + LF;
    case M::balUranoPOP:
        return "PESO L: " + (t == T::Peso ? fixo(w, 3, 5, ',') : letras(5)) + "kg   ";
    case M::balLucasTec: {
        auto quadro = [&](double l, double tara, double bruto) {
            return STX + "L " + fixo(l, 3, 5, ',') + " kg L T " + fixo(tara, 3, 5, ',') + " kg T B " +
                   fixo(bruto, 3, 5, ',') + " kg B " + CR;
        };
        if (t == T::Negativo)
            return quadro(0, 2, 1) + quadro(0, 2, 1) + quadro(0, 2, 1) + quadro(0, 2, 1);
        const std::string q = quadro(w, 0, w);
        return q + q + q + (t == T::Instavel ? quadro(w + 0.01, 0, w + 0.01) : q);
    }
    case M::balMagna:
        if (t == T::Negativo)
            return "N-" + fixo(w, 3, 5, ',') + "kg" + CR;
        return "\t " + (t == T::Peso ? fixo(w, 3, 6, ',') : letras(6)) + "kg" + CR;
    case M::balDigitron:
        return STX + (t == T::Peso ? inteiro(w, 100, 6) : letras(6)) + ETX;
    case M::balDigitron_UL:
        return std::string("D") + (t == T::Peso ? inteiro(w, 100, 6) : letras(6));
    case M::balMagellan:
        return STX + (t == T::Peso ? fixo(w, 3, 5) : letras(6)) + CR;
    case M::balLider:
        if (t == T::Instavel)
            return SOH + fixo(w, 3, 6) + "I" + STX;
        return SOH + (t == T::Peso ? fixo(w, 3, 6) : "xxxxxx") + "E" + STX;
    case M::balRinnert:
    case M::balMuller:
        return std::string("+") + (t == T::Peso ? fixo(w, 3, 6) : letras(6)) + ETX;
    case M::balSaturno:
        return (t == T::Peso ? fixo(w, 3, 7, decimal) : letras(6)) + CR + LF;
    case M::balAFTS: {
        std::string campo = t == T::Peso ? fixo(w, 3, 6, ',') : letras(6);
        std::reverse(campo.begin(), campo.end());
        return "x" + campo + "   ";
    }
    case M::balLibratek:
        if (t == T::Instavel)
            return "US,GS, " + fixo(w, 3, 7) + " kg";
        if (t == T::Negativo)
            return "OL,GS,-999.999 kg";
        if (t == T::Sobrecarga)
            return "OL,GS,+999.999 kg";
        return "ST,GS, " + fixo(w, 3, 7) + " kg";
    case M::balLibratekWT3000IR:
    case M::balWeightechWT3000IR_ABS: {
        const std::string cauda = modelo == M::balLibratekWT3000IR ? "kg" : "  kg";
        if (t == T::Instavel)
            return "US,GS,+" + fixo(w, 3, 8) + cauda + CR + LF;
        if (t == T::Negativo)
            return "OL,GS,-" + fixo(w, 3, 8) + cauda + CR + LF;
        if (t == T::Sobrecarga)
            return "OL,GS,+" + fixo(w, 3, 8) + cauda + CR + LF;
        return "ST,GS,+" + fixo(w, 3, 8) + cauda + CR + LF;
    }
    case M::balMicheletti:
        return "ST," + (t == T::Peso ? fixo(w, 3, 6, ',') : letras(6)) + " " + CR + LF;
    case M::balAlfa:
        return t == T::Peso ? "PB: " + fixo(w, 3, 6, ',') + CR : repete(letras(1)[0], 10) + CR;
    case M::balToledo9091_8530_8540:
        return STX + "00 " + (t == T::Peso ? inteiro(w, 1000, 6) : letras(6)) + CR;
    case M::balWeightechWT1000:
        return LF + (t == T::Instavel ? "1" : "0") + repete(' ', 17) + fixo(w, 3, 7);
    case M::balWeightechWT3000_ABS:
        return LF + (t == T::Instavel ? "1" : "0") + repete(' ', 6) + fixo(w, 3, 7) + "  ";
    case M::balMarelCG62XL:
        return STX + repete('x', 13) + (t == T::Peso ? "  " + fixo(w, 3, 5) + "  " : letras(9));
    case M::balToledo2090N: {
        const char status = t == T::Instavel ? 'x' : t == T::Negativo ? 'r' : t == T::Sobrecarga ? 's' : ' ';
        return STX + "0" + status + " " + inteiro(w, 1000, 6) + "000000" + ETX;
    }
    case M::balToledoBCS21: {
        const std::string status = t == T::Instavel     ? "D+"
                                   : t == T::Negativo   ? "S-"
                                   : t == T::Sobrecarga ? "XX"
                                                        : "S+";
        return STX + status + fixo(w, 3, 8) + CR;
    }
    case M::balPrecision:
        if (t == T::Peso)
            return STX + "x" + inteiro(w, 1000, 6) + CR;
        return std::string(t == T::Instavel ? "A" : t == T::Negativo ? "H" : "X") + inteiro(w, 1000, 6) + CR;
    case M::balLenkeLK2500:
        return STX + fixo(w, 3, 7) + (t == T::Instavel ? "MP" : t == T::Negativo ? "MN" : "  ") + CR;
    case M::balWeightechWT27R_ETH:
        if (t == T::Sobrecarga)
            return "ST,kg,GS 999999" + CR + LF;
        return (t == T::Instavel ? "IT" : "ST") + std::string(",kg,GS") + (t == T::Negativo ? "-" : " ") +
               fixo(w, 3, 6) + CR + LF;
    case M::balCapital:
        return "E " + (t == T::Peso ? fixo(w, 3, 5) : letras(5)) + "x" + CR;
    case M::balWeighTRUTest:
        return t == T::Instavel ? "[U]" : std::string("[") + (t == T::Peso ? fixo(w, 3, 5) : letras(5)) + "]";
    case M::balSiciliano:
        if (t == T::Negativo)
            return STX + "000-" + fixo(w, 3, 6, ',') + "xxx" + ETX;
        return STX + "000 " + (t == T::Peso ? fixo(w, 3, 6, ',') : letras(6)) + "xxx" + ETX;
    case M::balTrentin:
        if (t == T::Sobrecarga)
            return STX + "xOVER   " + CR;
        if (t == T::Instavel)
            return STX + "xMOV    " + CR;
        return STX + "x" + inteiro(w, 1000, 7) + CR;
    }
    return lixo;
}

} // namespace mvf::sim
