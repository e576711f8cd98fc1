#pragma once

#include <string>
#include <string_view>

namespace mvf {

// The decimal separator the scale parsers put in place of "." and ",". It follows the
// locale's separator until a driver fixes it to another character for the rest of the run.
char SeparadorDecimalBalanca();
void FixarSeparadorDecimalBalanca(char separador);
// Back to following the locale (tests, and a fresh start of the scale layer).
void RestaurarSeparadorDecimalBalanca();

// Every "." and "," of the text replaced by the scale's decimal separator.
std::string TrocarSeparador(std::string_view texto);

// The common conversion: after the separator replacement, a text without a separator is a
// whole number divided by the divisor, a text with one is a decimal number in the locale.
bool ConverterPeso(std::string_view texto, double divisor, double& peso);
// The same for a text whose separators were already replaced.
bool ConverterPesoSemTroca(std::string_view texto, double divisor, double& peso);
// Only a decimal number, after the separator replacement.
bool ConverterDecimal(std::string_view texto, double& peso);

// The common status letters, read from the first character of the trimmed text:
// I unstable (-1), N negative (-2), S overload (-10), anything else the fallback.
double LetraStatus(std::string_view texto, double fallback = 0);

// The common conversion and, when it fails, the common status letters.
double PesoOuStatus(std::string_view texto, double divisor, double fallback = 0);

// Weight-result codes.
namespace peso {
inline constexpr double SemPeso = 0;
inline constexpr double Instavel = -1;
inline constexpr double Negativo = -2;
inline constexpr double FalhaLeitura = -9;
inline constexpr double Sobrecarga = -10;
inline constexpr double ToledoC = -11;
inline constexpr double ToledoE = -12;
} // namespace peso

} // namespace mvf
