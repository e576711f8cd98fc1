#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace mvf {

// Paths from and to the program's UTF-8 texts, whatever the system's narrow encoding is.
std::filesystem::path pathFromUtf8(std::string_view text);
std::string pathToUtf8(const std::filesystem::path& path);

} // namespace mvf
