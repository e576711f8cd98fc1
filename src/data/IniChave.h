#pragma once

#include <filesystem>
#include <string>

namespace mvf {

// Writes one key of one section of an INI file, creating the file or the section when
// missing and keeping every other line. Written to a temporary name and renamed.
void GravarChaveIni(const std::filesystem::path& arquivo, const std::string& secao, const std::string& chave,
                    const std::string& valor);

} // namespace mvf
