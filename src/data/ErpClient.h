#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace mvf {

// How the ERP API is reached. Certificate checks are always on; caFile only adds a trusted CA.
struct ErpConfig {
    static constexpr const char* urlPadrao = "https://api.marivelta.com.br/api/mobilidade";

    std::string baseUrl = urlPadrao;
    std::string caFile;
    long connectTimeoutMs = 30000;
    long readTimeoutMs = 30000;
    // An answer larger than this is refused as a transport failure (the memory is the limit).
    std::size_t maxBodyBytes = std::size_t(512) * 1024 * 1024;

    // MARIVELTA_ERP_URL replaces the base URL, MARIVELTA_ERP_CA names an extra CA file.
    static ErpConfig fromEnvironment();
};

struct ErpResposta {
    long status = 0;
    std::string body;
};

// The server could not be reached or the exchange broke off. The message starts with "REST".
class ErpTransportError : public std::runtime_error {
public:
    explicit ErpTransportError(const std::string& detail)
        : std::runtime_error("REST request failed: " + detail) {}
};

// One blocking HTTPS exchange per call, with a new request each time.
class ErpClient {
public:
    static constexpr const char* acceptPadrao = "application/json, text/plain; q=0.9, text/html;q=0.8,";

    explicit ErpClient(ErpConfig config) : config_(std::move(config)) {}

    // GET <base>/<resource>. The "token" header goes only when the token is not blank.
    ErpResposta get(const std::string& resource, const std::string& token,
                    const std::string& accept = acceptPadrao) const;
    // POST <base>/<resource> with a JSON body.
    ErpResposta post(const std::string& resource, const std::string& jsonBody, const std::string& token,
                     const std::string& accept = acceptPadrao) const;

    std::string url(const std::string& resource) const;

private:
    ErpResposta execute(bool post, const std::string& resource, const std::string* body,
                        const std::string& token, const std::string& accept) const;

    ErpConfig config_;
};

// A failure to reach the server (a message whose first word is "REST") becomes
// "falha na conexão com o servidor, verifique sua rede!"; any other message stays as it is.
std::string TraduzirErroConexao(const std::string& mensagem);

// The user text of a non-200 answer: its "Message" member, or, when the body is not a JSON
// object with a text "Message", "Erro <status> na resposta do servidor".
std::string MensagemDeErroErp(const ErpResposta& resposta);

} // namespace mvf
