#include "scale/ConversaoPeso.h"

#include "core/Locale.h"
#include "core/NumberText.h"
#include "scale/TextoResposta.h"

#include <atomic>
#include <cstdint>

namespace mvf {

namespace {

// 0 means "the locale's separator".
std::atomic<char> separadorFixado{0};

} // namespace

char SeparadorDecimalBalanca() {
    char fixado = separadorFixado.load();
    return fixado ? fixado : Locale::current().decimalSeparator;
}

void FixarSeparadorDecimalBalanca(char separador) {
    separadorFixado.store(separador);
}

void RestaurarSeparadorDecimalBalanca() {
    separadorFixado.store(0);
}

std::string TrocarSeparador(std::string_view texto) {
    const char separador = SeparadorDecimalBalanca();
    std::string out(texto);
    for (char& c : out)
        if (c == '.' || c == ',')
            c = separador;
    return out;
}

bool ConverterPeso(std::string_view texto, double divisor, double& peso) {
    return ConverterPesoSemTroca(TrocarSeparador(texto), divisor, peso);
}

bool ConverterPesoSemTroca(std::string_view trocado, double divisor, double& peso) {
    if (trocado.find(SeparadorDecimalBalanca()) == std::string_view::npos) {
        std::int32_t inteiro = 0;
        if (!tryParseInteger(trocado, inteiro))
            return false;
        peso = inteiro / divisor;
        return true;
    }
    return tryParseDecimal(trocado, peso);
}

bool ConverterDecimal(std::string_view texto, double& peso) {
    return tryParseDecimal(TrocarSeparador(texto), peso);
}

double LetraStatus(std::string_view texto, double fallback) {
    const std::string limpo = texto::Trim(texto);
    const char letra = limpo.empty() ? ' ' : limpo[0];
    switch (letra) {
    case 'I':
        return peso::Instavel;
    case 'N':
        return peso::Negativo;
    case 'S':
        return peso::Sobrecarga;
    default:
        return fallback;
    }
}

double PesoOuStatus(std::string_view texto, double divisor, double fallback) {
    double valor = 0;
    if (ConverterPeso(texto, divisor, valor))
        return valor;
    return LetraStatus(texto, fallback);
}

} // namespace mvf
