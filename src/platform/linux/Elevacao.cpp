#include "platform/Elevacao.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

namespace mvf {

namespace {

std::filesystem::path pastaAutostart() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        return std::filesystem::path(xdg) / "autostart";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".config" / "autostart";
    return {};
}

} // namespace

bool ExecutandoComoAdministrador() {
    // The log-on start is an entry in the user's own autostart folder: whoever may write there (or
    // create it) may register it, with no elevation involved.
    std::filesystem::path pasta = pastaAutostart();
    if (pasta.empty())
        return false;
    std::error_code ec;
    while (!pasta.empty() && !std::filesystem::exists(pasta, ec)) {
        std::filesystem::path pai = pasta.parent_path();
        if (pai == pasta)
            return false;
        pasta = pai;
    }
    return !pasta.empty() && ::access(pasta.c_str(), W_OK | X_OK) == 0;
}

void ReiniciarComoAdministrador() {
    // Elevation changes nothing for a per-user autostart folder, so a restart would not help.
    throw std::runtime_error("Erro ao solicitar permissões administrativas: a pasta de início automático do "
                             "usuário não permite gravação");
}

} // namespace mvf
