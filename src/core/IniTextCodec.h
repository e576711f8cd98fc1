#pragma once

#include <string>

namespace mvf {

// Text of the settings file: Windows-1252 bytes on disk, UTF-8 in the program.
std::string iniTextToWindows1252(const std::string& utf8);
std::string iniTextFromWindows1252(const std::string& bytes);

} // namespace mvf
