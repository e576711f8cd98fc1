#pragma once

#include <httplib.h>
#include <nlohmann/json.hpp>

#include <map>
#include <mutex>
#include <set>
#include <string>

namespace erpsim {

// A scripted failure of one resource, set through /_controle/falha.
struct Falha {
    std::string tipo; // 401, 500, html, json, sem-membro, lento, queda, desvio
    int segundos = 0;
};

// The ERP API routes under /api/mobilidade plus the control routes under /_controle used by
// tests: scripted failures, fixed answers, catalogue size and the log of requests received.
class ServidorErp {
public:
    explicit ServidorErp(int produtos);
    void registrar(httplib::Server& servidor);

private:
    void atender(const httplib::Request& req, httplib::Response& res, const std::string& recurso);
    void login(const httplib::Request& req, httplib::Response& res, const Falha& falha);
    void catalogo(const std::string& recurso, const httplib::Request& req, httplib::Response& res,
                  const Falha& falha);
    void registrarRequisicao(const httplib::Request& req);
    std::string produtosTexto();

    std::mutex mutex_;
    int produtos_;
    std::string produtosCache_;
    int produtosCacheQuantidade_ = -1;
    std::map<std::string, Falha> falhas_;
    std::map<std::string, std::pair<int, std::string>> respostasFixas_;
    std::map<std::string, int> tokens_; // token -> company code
    nlohmann::json requisicoes_ = nlohmann::json::array();
};

} // namespace erpsim
