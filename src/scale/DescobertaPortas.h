#pragma once

#include <string>
#include <vector>

namespace mvf {

// Serial ports that can be opened now, appended to the list: on Windows COM1 up to
// COM<UltimaPorta>, on Linux the serial device nodes. Ports another program holds are left out.
void AcharPortasSeriais(std::vector<std::string>& lista, int UltimaPorta = 64);

// The given port names or device paths that open now (the same test as above).
std::vector<std::string> PortasSeriaisDisponiveis(const std::vector<std::string>& candidatos);

// Whether one port name or device path opens now; each system has its own test.
bool PortaSerialDisponivel(const std::string& porta);

// USB printer-class devices, appended as "USB:" and the device's name.
void AcharPortasUSB(std::vector<std::string>& lista);

} // namespace mvf
