#pragma once

#include "BancoTeste.h"

#include "data/ErpClient.h"
#include "data/Tutil.h"
#include "support/ErpSimProcesso.h"

#include <nlohmann/json.hpp>

namespace mvf::test {

// A fresh banco.db and a running erp-sim trusted through its CA file.
class ErpTeste : public BancoTeste {
protected:
    ErpTeste() : sim(MVF_ERP_SIM, dir / "cert") {
        dm.erpConfig().baseUrl = sim.url();
        dm.erpConfig().caFile = sim.ca().string();
        dm.CarregarUsuarioLogado();
    }
    ~ErpTeste() override { Tutil::setUsuario(TUsuarioLogado{}); }

    ErpClient controle() const {
        ErpConfig c;
        c.baseUrl = sim.raiz();
        c.caFile = sim.ca().string();
        return ErpClient(c);
    }
    void falha(const std::string& recurso, const std::string& tipo, int segundos = 0) {
        auto r = controle().post("_controle/falha?recurso=" + recurso + "&tipo=" + tipo +
                                     "&segundos=" + std::to_string(segundos),
                                 "{}", "");
        ASSERT_EQ(r.status, 200);
    }
    void resposta(const std::string& recurso, const nlohmann::json& corpo, int status = 200) {
        auto r = controle().post(
            "_controle/resposta?recurso=" + recurso + "&status=" + std::to_string(status), corpo.dump(), "");
        ASSERT_EQ(r.status, 200);
    }
    void respostaTexto(const std::string& recurso, const std::string& corpo, int status = 200) {
        auto r = controle().post(
            "_controle/resposta?recurso=" + recurso + "&status=" + std::to_string(status), corpo, "");
        ASSERT_EQ(r.status, 200);
    }
    nlohmann::json requisicoes() const {
        return nlohmann::json::parse(controle().get("_controle/requisicoes", "").body);
    }

    void entrar(const std::string& login = "demo", const std::string& senha = "demo") {
        std::string erro;
        ASSERT_TRUE(dm.RetornaUsuario(login, senha, erro)) << erro;
    }

    ErpSimProcesso sim;
};

} // namespace mvf::test
