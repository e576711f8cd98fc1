#pragma once

#include <string>

namespace mvf {

// A stored flag text read as a Boolean: "true" in any letter case or a non-zero number gives
// true; "false", zero, an empty or any other text gives false.
bool TextoBooleano(const std::string& texto);

} // namespace mvf
