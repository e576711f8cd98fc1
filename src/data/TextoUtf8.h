#pragma once

#include <string>

namespace mvf {

// Upper case of a UTF-8 text: ASCII and the accented Latin letters shop names use
// ("josé" -> "JOSÉ"); other characters stay as they are.
std::string MaiusculasUtf8(const std::string& texto);
// Removes characters up to the blank (control characters included) at both ends.
std::string AparaTexto(const std::string& texto);

} // namespace mvf
