#pragma once

#include <filesystem>

namespace erpsim {

struct ArquivosCertificado {
    std::filesystem::path ca;    // ca.pem: the certificate clients trust
    std::filesystem::path cert;  // servidor.pem
    std::filesystem::path chave; // servidor-chave.pem
};

// Uses the certificate files in the folder, or creates them (a CA and a server certificate
// for localhost and 127.0.0.1 signed by it) when they are missing.
ArquivosCertificado prepararCertificados(const std::filesystem::path& pasta);

} // namespace erpsim
