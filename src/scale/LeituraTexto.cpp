#include "scale/LeituraTexto.h"

#include "core/Locale.h"

#include <cmath>
#include <cstdio>

namespace mvf {

std::string RespostaLegivel(const std::string& resposta) {
    std::string out;
    for (unsigned char c : resposta) {
        const bool imprimivel = c >= 32 && c <= 126 && c != '"' && c != '\'' && c != '`';
        if (imprimivel) {
            out += static_cast<char>(c);
            out += ' ';
        } else {
            out += '#';
            out += std::to_string(c);
            out += ' ';
        }
    }
    return out;
}

std::string FormatarPeso(double peso) {
    // Rounded half away from zero on the thousandths, as the shops' scales display it.
    const double milesimos = std::round(peso * 1000.0);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", milesimos / 1000.0);
    std::string texto = buffer;
    if (texto.rfind("-0.000", 0) == 0 && texto.size() == 6)
        texto = "0.000";
    for (char& c : texto)
        if (c == '.')
            c = Locale::current().decimalSeparator;
    return texto;
}

std::string MensagemLeitura(double peso) {
    if (peso > 0)
        return "Leitura OK !";
    switch (static_cast<long long>(std::trunc(peso))) {
    case 0:
        return "TimeOut !\r\nColoque o produto sobre a Balança!";
    case -1:
        return "Peso Instavel ! \r\nTente Nova Leitura";
    case -2:
        return "Peso Negativo !";
    case -9:
        return "Falha de conexão com a balança!";
    case -10:
        return "Sobrepeso !";
    default:
        return "";
    }
}

} // namespace mvf
