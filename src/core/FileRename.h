#pragma once

#include <filesystem>
#include <string>

namespace mvf {

// Moves `from` over `to` in one step, replacing `to` when it exists. On failure returns false
// with a short Portuguese reason.
bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to, std::string& reason);

} // namespace mvf
