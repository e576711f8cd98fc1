#pragma once

#include <string>

namespace mvf {

// UTF-8 to and from the UTF-16 text the Win32 "W" calls take.
std::wstring paraTextoLargo(const std::string& utf8);
std::string deTextoLargo(const std::wstring& texto);

// The system's own text for an error code (FormatMessageW), without the trailing line break.
std::string MensagemDoSistema(unsigned long codigo);

} // namespace mvf
