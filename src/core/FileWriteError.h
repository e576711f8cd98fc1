#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace mvf {

// A file that could not be created or written; the message names the file and the reason.
class FileWriteError : public std::runtime_error {
public:
    FileWriteError(const std::filesystem::path& file, const std::string& reason);
    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
};

} // namespace mvf
