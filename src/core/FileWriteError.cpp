#include "core/FileWriteError.h"

#include "core/PathText.h"

namespace mvf {

FileWriteError::FileWriteError(const std::filesystem::path& file, const std::string& reason)
    : std::runtime_error("Não foi possível gravar o arquivo \"" + pathToUtf8(file) + "\": " + reason),
      file_(file) {}

} // namespace mvf
