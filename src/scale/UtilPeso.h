#pragma once

#include <string>
#include <vector>

namespace mvf {

// The items of the settings page's lists.

// The 39 model names in ordinal order, so an item's index is the model's ordinal.
std::vector<std::string> getModelos();

// The serial ports found, the USB devices, "LPT1" and an example network entry.
std::vector<std::string> getPorta();

// The example network entry of the port list.
inline constexpr const char* PortaTcpExemplo = "TCP:192.168.0.100:9100";

} // namespace mvf
