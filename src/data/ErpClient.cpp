#include "data/ErpClient.h"

#include <curl/curl.h>
#include <nlohmann/json.hpp>
#include <openssl/pem.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>

namespace mvf {

namespace {

void initCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct CurlDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct SlistDeleter {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

struct Transfer {
    std::string body;
    std::size_t limit = 0;
    bool tooLarge = false;
    // Read time-out: no byte moved either way for this long ends the exchange.
    std::chrono::milliseconds idleLimit{30000};
    curl_off_t lastTotal = -1;
    std::chrono::steady_clock::time_point lastMove;
    bool timedOut = false;
};

int watchIdle(void* userdata, curl_off_t, curl_off_t dlnow, curl_off_t, curl_off_t ulnow) {
    auto* transfer = static_cast<Transfer*>(userdata);
    auto now = std::chrono::steady_clock::now();
    curl_off_t total = dlnow + ulnow;
    if (total != transfer->lastTotal) {
        transfer->lastTotal = total;
        transfer->lastMove = now;
        return 0;
    }
    if (now - transfer->lastMove >= transfer->idleLimit) {
        transfer->timedOut = true;
        return 1;
    }
    return 0;
}

size_t writeBody(char* data, size_t size, size_t count, void* userdata) {
    auto* transfer = static_cast<Transfer*>(userdata);
    size_t n = size * count;
    if (transfer->body.size() + n > transfer->limit) {
        transfer->tooLarge = true;
        return 0;
    }
    transfer->body.append(data, n);
    return n;
}

// Adds the certificates of the configured PEM file to the default trust store.
CURLcode addExtraCa(CURL*, void* sslctx, void* userdata) {
    const auto* file = static_cast<const std::string*>(userdata);
    std::unique_ptr<BIO, decltype(&BIO_free)> bio(BIO_new_file(file->c_str(), "r"), &BIO_free);
    if (!bio)
        return CURLE_SSL_CACERT_BADFILE;
    X509_STORE* store = SSL_CTX_get_cert_store(static_cast<SSL_CTX*>(sslctx));
    int added = 0;
    while (X509* cert = PEM_read_bio_X509(bio.get(), nullptr, nullptr, nullptr)) {
        X509_STORE_add_cert(store, cert); // a certificate already present is not an error
        X509_free(cert);
        ++added;
    }
    return added > 0 ? CURLE_OK : CURLE_SSL_CACERT_BADFILE;
}

std::string trimmed(const std::string& text) {
    const char* blanks = " \t\r\n";
    auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

} // namespace

ErpConfig ErpConfig::fromEnvironment() {
    ErpConfig config;
    if (const char* url = std::getenv("MARIVELTA_ERP_URL"); url && *url)
        config.baseUrl = url;
    if (const char* ca = std::getenv("MARIVELTA_ERP_CA"); ca && *ca)
        config.caFile = ca;
    return config;
}

std::string ErpClient::url(const std::string& resource) const {
    std::string base = config_.baseUrl;
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    return base + "/" + resource;
}

ErpResposta ErpClient::get(const std::string& resource, const std::string& token,
                           const std::string& accept) const {
    return execute(false, resource, nullptr, token, accept);
}

ErpResposta ErpClient::post(const std::string& resource, const std::string& jsonBody,
                            const std::string& token, const std::string& accept) const {
    return execute(true, resource, &jsonBody, token, accept);
}

ErpResposta ErpClient::execute(bool post, const std::string& resource, const std::string* body,
                               const std::string& token, const std::string& accept) const {
    initCurlOnce();
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl)
        throw ErpTransportError("não foi possível criar a requisição");

    std::unique_ptr<curl_slist, SlistDeleter> headers;
    auto addHeader = [&headers](const std::string& name, const std::string& value) {
        // A header with a blank name or value is skipped, as the original client did.
        if (trimmed(name).empty() || trimmed(value).empty())
            return;
        std::string line = name + ": " + value;
        headers.reset(curl_slist_append(headers.release(), line.c_str()));
    };
    addHeader("Accept", accept);
    addHeader("Accept-Charset", "utf-8, *;q=0.8");
    addHeader("token", token);
    if (post)
        addHeader("Content-Type", "application/json");
    headers.reset(curl_slist_append(headers.release(), "Expect:"));

    Transfer transfer;
    transfer.limit = config_.maxBodyBytes;
    char errorBuffer[CURL_ERROR_SIZE] = {};
    const std::string address = url(resource);
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, address.c_str());
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, config_.connectTimeoutMs);
    transfer.idleLimit = std::chrono::milliseconds(config_.readTimeoutMs);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, watchIdle);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &transfer);
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 10L);
    // A redirect must not step down from HTTPS.
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, writeBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &transfer);
    if (!config_.caFile.empty()) {
        curl_easy_setopt(c, CURLOPT_SSL_CTX_FUNCTION, addExtraCa);
        curl_easy_setopt(c, CURLOPT_SSL_CTX_DATA, &config_.caFile);
    }
    if (post) {
        curl_easy_setopt(c, CURLOPT_POST, 1L);
        curl_easy_setopt(c, CURLOPT_POSTFIELDS, body->data());
        curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body->size()));
    } else {
        curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    }

    CURLcode rc = curl_easy_perform(c);
    if (rc != CURLE_OK) {
        if (transfer.tooLarge)
            throw ErpTransportError("a resposta do servidor passou de " +
                                    std::to_string(config_.maxBodyBytes / (1024 * 1024)) + " MB");
        if (transfer.timedOut)
            throw ErpTransportError("tempo de leitura esgotado (" + std::to_string(config_.readTimeoutMs) +
                                    " ms)");
        std::string detail = errorBuffer[0] ? errorBuffer : curl_easy_strerror(rc);
        throw ErpTransportError(detail);
    }
    ErpResposta resposta;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &resposta.status);
    resposta.body = std::move(transfer.body);
    return resposta;
}

std::string TraduzirErroConexao(const std::string& mensagem) {
    std::string text = trimmed(mensagem);
    std::string firstWord = text.substr(0, text.find(' '));
    if (firstWord == "REST")
        return "falha na conexão com o servidor, verifique sua rede!";
    return mensagem;
}

std::string MensagemDeErroErp(const ErpResposta& resposta) {
    auto json = nlohmann::json::parse(resposta.body, nullptr, false);
    if (json.is_object()) {
        auto it = json.find("Message");
        if (it != json.end() && it->is_string())
            return it->get<std::string>();
        if (it != json.end() && !it->is_null() && !it->is_object() && !it->is_array())
            return it->dump();
    }
    return "Erro " + std::to_string(resposta.status) + " na resposta do servidor";
}

} // namespace mvf
