#include "ServidorErp.h"

#include "CatalogoDemo.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

namespace erpsim {

namespace {

using nlohmann::json;

std::string minusculas(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

struct Usuario {
    const char* login;
    const char* senha;
    json resposta;
};

std::vector<Usuario> usuarios() {
    return {
        {"demo",
         "demo",
         {{"Id", 7},
          {"Nome", "Usuário Demonstração"},
          {"EmpresaNome", "Mercado Demonstração Ltda"},
          {"AcessoVendas", true},
          {"AcessoGerencial", "true"},
          {"PermiteAlterarUnitario", true},
          {"GrupoDeEmpresaId", 1},
          {"EmpresaCodigo", 1},
          {"EmpresaCNPJ", "12.345.678/0001-90"},
          {"EmpresaTelefone", "(27) 3333-4444"},
          {"EmpresaEndereco", "Avenida Central"},
          {"EmpresaBairro", "Centro"},
          {"EmpresaCidade", "Vitória"},
          {"EmpresaUF", "ES"},
          {"EmpresaEnderecoNumero", "100"}}},
        // A second company with a password outside ASCII and without the optional members.
        {"maria",
         "pão-de-açúcar€",
         {{"Nome", "Maria Oliveira"},
          {"EmpresaNome", "Padaria \"Pão Quente\""},
          {"AcessoVendas", "false"},
          {"AcessoGerencial", false},
          {"PermiteAlterarUnitario", false},
          {"GrupoDeEmpresaId", nullptr},
          {"EmpresaCodigo", 2},
          {"EmpresaEndereco", "Rua São João"},
          {"EmpresaBairro", "Praia do Canto"},
          {"EmpresaCidade", "Vila Velha"},
          {"EmpresaUF", "ES"},
          {"EmpresaEnderecoNumero", 12}}},
    };
}

void mensagem(httplib::Response& res, int status, const std::string& texto) {
    res.status = status;
    res.set_content(json{{"Message", texto}}.dump(), "application/json; charset=utf-8");
}

std::string novoToken() {
    static std::mt19937_64 gerador{std::random_device{}()};
    static std::mutex m;
    std::lock_guard<std::mutex> g(m);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%016llx%016llx", static_cast<unsigned long long>(gerador()),
                  static_cast<unsigned long long>(gerador()));
    return buffer;
}

// Sends half of the body, then drops the connection.
void cortarNoMeio(httplib::Response& res, std::string corpo) {
    auto texto = std::make_shared<std::string>(std::move(corpo));
    res.set_content_provider(texto->size(), "application/json",
                             [texto](size_t offset, size_t, httplib::DataSink& sink) {
                                 size_t metade = texto->size() / 2;
                                 if (offset >= metade)
                                     return false;
                                 sink.write(texto->data() + offset, metade - offset);
                                 return true;
                             });
}

} // namespace

ServidorErp::ServidorErp(int produtos) : produtos_(produtos) {}

std::string ServidorErp::produtosTexto() {
    if (produtosCacheQuantidade_ != produtos_) {
        produtosCache_ = CatalogoDemo::produtos(produtos_).dump();
        produtosCacheQuantidade_ = produtos_;
    }
    return produtosCache_;
}

void ServidorErp::registrarRequisicao(const httplib::Request& req) {
    json r = {{"metodo", req.method}, {"caminho", req.path}, {"corpo", req.body}};
    std::string consulta;
    for (const auto& [k, v] : req.params)
        consulta += (consulta.empty() ? "" : "&") + k + "=" + v;
    r["consulta"] = consulta;
    json cabecalhos = json::object();
    for (const auto& [k, v] : req.headers)
        cabecalhos[minusculas(k)] = v;
    r["cabecalhos"] = cabecalhos;
    requisicoes_.push_back(r);
    if (requisicoes_.size() > 500)
        requisicoes_.erase(requisicoes_.begin());
}

void ServidorErp::registrar(httplib::Server& servidor) {
    servidor.Post(
        R"(/api/mobilidade/([A-Za-z]+))",
        [this](const httplib::Request& req, httplib::Response& res) { atender(req, res, req.matches[1]); });
    servidor.Get(
        R"(/api/mobilidade/([A-Za-z]+))",
        [this](const httplib::Request& req, httplib::Response& res) { atender(req, res, req.matches[1]); });
    servidor.Post("/_controle/falha", [this](const httplib::Request& req, httplib::Response& res) {
        std::lock_guard<std::mutex> g(mutex_);
        std::string recurso = minusculas(req.get_param_value("recurso"));
        std::string tipo = req.get_param_value("tipo");
        if (tipo.empty() || tipo == "nenhuma")
            falhas_.erase(recurso);
        else
            falhas_[recurso] =
                Falha{tipo, req.has_param("segundos") ? std::stoi(req.get_param_value("segundos")) : 0};
        res.set_content("ok", "text/plain");
    });
    servidor.Post("/_controle/resposta", [this](const httplib::Request& req, httplib::Response& res) {
        std::lock_guard<std::mutex> g(mutex_);
        int status = req.has_param("status") ? std::stoi(req.get_param_value("status")) : 200;
        respostasFixas_[minusculas(req.get_param_value("recurso"))] = {status, req.body};
        res.set_content("ok", "text/plain");
    });
    servidor.Post("/_controle/produtos", [this](const httplib::Request& req, httplib::Response& res) {
        std::lock_guard<std::mutex> g(mutex_);
        produtos_ = std::stoi(req.get_param_value("quantidade"));
        res.set_content("ok", "text/plain");
    });
    servidor.Post("/_controle/limpar", [this](const httplib::Request&, httplib::Response& res) {
        std::lock_guard<std::mutex> g(mutex_);
        falhas_.clear();
        respostasFixas_.clear();
        requisicoes_ = json::array();
        res.set_content("ok", "text/plain");
    });
    servidor.Get("/_controle/requisicoes", [this](const httplib::Request&, httplib::Response& res) {
        std::lock_guard<std::mutex> g(mutex_);
        res.set_content(requisicoes_.dump(), "application/json");
    });
}

void ServidorErp::atender(const httplib::Request& req, httplib::Response& res,
                          const std::string& recursoBruto) {
    const std::string recurso = minusculas(recursoBruto);
    Falha falha;
    {
        std::lock_guard<std::mutex> g(mutex_);
        registrarRequisicao(req);
        if (auto it = falhas_.find(recurso); it != falhas_.end())
            falha = it->second;
    }
    if (falha.tipo == "desvio" && !req.has_param("desviado")) {
        // A temporary redirect that keeps the method and the body, to the same resource.
        std::string consulta;
        for (const auto& [k, v] : req.params)
            consulta += k + "=" + v + "&";
        res.status = 307;
        res.set_header("Location", req.path + "?" + consulta + "desviado=1");
        return;
    }
    if (falha.tipo == "lento")
        std::this_thread::sleep_for(std::chrono::seconds(falha.segundos > 0 ? falha.segundos : 40));
    if (falha.tipo == "401")
        return mensagem(res, 401, "Usuário ou senha inválidos!");
    if (falha.tipo == "500")
        return mensagem(res, 500, "Erro interno do ERP ao consultar " + recursoBruto);
    if (falha.tipo == "html") {
        res.status = 502;
        res.set_content("<html><body><h1>502 Bad Gateway</h1></body></html>", "text/html");
        return;
    }
    {
        std::lock_guard<std::mutex> g(mutex_);
        if (auto it = respostasFixas_.find(recurso); it != respostasFixas_.end()) {
            res.status = it->second.first;
            res.set_content(it->second.second, "application/json; charset=utf-8");
            return;
        }
    }
    if (recurso == "retornausuario") {
        if (req.method != "POST")
            return mensagem(res, 405, "Método não permitido");
        return login(req, res, falha);
    }
    catalogo(recurso, req, res, falha);
}

void ServidorErp::login(const httplib::Request& req, httplib::Response& res, const Falha& falha) {
    json corpo = json::parse(req.body, nullptr, false);
    if (!corpo.is_object() || !corpo.contains("login") || !corpo.contains("senha"))
        return mensagem(res, 400, "Corpo da requisição inválido");
    for (const auto& u : usuarios()) {
        if (corpo["login"] != u.login || corpo["senha"] != u.senha)
            continue;
        json resposta = u.resposta;
        std::string token = novoToken();
        resposta["TokenAcesso"] = token;
        {
            std::lock_guard<std::mutex> g(mutex_);
            tokens_[token] = resposta.value("EmpresaCodigo", 0);
        }
        if (falha.tipo == "sem-membro")
            resposta.erase("TokenAcesso");
        std::string texto = resposta.dump();
        if (falha.tipo == "json")
            texto = texto.substr(0, texto.size() / 2);
        if (falha.tipo == "queda")
            return cortarNoMeio(res, texto);
        res.set_content(texto, "application/json; charset=utf-8");
        return;
    }
    mensagem(res, 401, "Usuário ou senha inválidos!");
}

void ServidorErp::catalogo(const std::string& recurso, const httplib::Request& req, httplib::Response& res,
                           const Falha& falha) {
    int empresa = 0;
    {
        std::lock_guard<std::mutex> g(mutex_);
        auto it = tokens_.find(req.get_header_value("token"));
        if (it == tokens_.end())
            return mensagem(res, 401, "Token de acesso inválido ou expirado");
        empresa = it->second;
    }
    const bool precisaCorpo = recurso == "retornatodosclientes" || recurso == "retornatodosprodutos" ||
                              recurso == "retornatabelasdeprecocomitens";
    if (precisaCorpo) {
        json corpo = json::parse(req.body, nullptr, false);
        if (req.method != "POST" || !corpo.is_object() || !corpo.contains("identificacao") ||
            !corpo.contains("configuracaoinicial") ||
            corpo.value("empresacodigo", "") != std::to_string(empresa))
            return mensagem(res, 400, "Corpo da requisição inválido");
    } else if (req.get_param_value("empresaCodigo") != std::to_string(empresa)) {
        return mensagem(res, 400, "Empresa não informada");
    }

    std::string texto;
    if (recurso == "retornavendedores") {
        texto = CatalogoDemo::vendedores().dump();
    } else if (recurso == "retornaformaspagamento") {
        texto = CatalogoDemo::formasPagamento().dump();
    } else if (recurso == "retornatodosclientes") {
        texto = CatalogoDemo::clientes().dump();
    } else if (recurso == "retornatodosprodutos") {
        std::lock_guard<std::mutex> g(mutex_);
        if (falha.tipo == "sem-membro") {
            json lista = CatalogoDemo::produtos(produtos_);
            if (lista.size() > 2)
                lista[2].erase("UrlImagens");
            texto = lista.dump();
        } else {
            texto = produtosTexto();
        }
    } else if (recurso == "retornatabelasdeprecocomitens") {
        int quantidade;
        {
            std::lock_guard<std::mutex> g(mutex_);
            quantidade = produtos_;
        }
        json lista = CatalogoDemo::tabelasDePreco(quantidade);
        if (falha.tipo == "sem-membro")
            lista[1].erase("TabelaDePrecosItens");
        texto = lista.dump();
    } else {
        return mensagem(res, 404, "Recurso não encontrado");
    }
    if (falha.tipo == "json")
        texto = texto.substr(0, texto.size() / 2);
    if (falha.tipo == "queda")
        return cortarNoMeio(res, texto);
    res.set_content(texto, "application/json; charset=utf-8");
}

} // namespace erpsim
