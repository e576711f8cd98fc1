#pragma once

#include <string>

namespace mvf {

// How a reading is shown to shop staff.

// Each byte of a response as itself and a space when it is plainly printable, else "#", its
// decimal code and a space: STX "1" "," "2" CR gives "#2 1 , 2 #13 ".
std::string RespostaLegivel(const std::string& resposta);

// A weight with three decimals and the locale's decimal separator ("1,250", "-9,000").
std::string FormatarPeso(double peso);

// The message for a weight-result value ("Leitura OK !", "Peso Instavel ! ..."); empty for
// the model-specific states.
std::string MensagemLeitura(double peso);

} // namespace mvf
