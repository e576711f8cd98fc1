#include "core/FileRename.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace mvf {

#ifdef _WIN32

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to, std::string& reason) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    const DWORD error = GetLastError();
    if (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
        reason = "acesso negado (o arquivo pode estar aberto em outro programa ou ser somente leitura)";
    else
        reason = "erro do sistema " + std::to_string(error) + " ao substituir o arquivo";
    return false;
}

#else

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to, std::string& reason) {
    std::error_code ec;
    std::filesystem::rename(from, to, ec);
    if (!ec)
        return true;
    reason = ec == std::errc::permission_denied ? "acesso negado" : ec.message();
    return false;
}

#endif

} // namespace mvf
