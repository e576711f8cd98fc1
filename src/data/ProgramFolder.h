#pragma once

#include <filesystem>

namespace mvf {

// The folder of the program's files (banco.db, config.ini, ...): MARIVELTA_HOME when set,
// otherwise the folder of the running executable.
std::filesystem::path programFolder();

} // namespace mvf
