#pragma once

#include "app/loadtool/ServicosCarga.h"

#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace mvf::test {

// Records every call in order; each answer can be set by the test.
class ServicosCargaFalsos : public ServicosCarga {
public:
    std::vector<std::string> chamadas;
    bool usuarioCarregado = true;
    bool loginAceito = true;
    std::string erroLogin = "Usuário ou senha inválidos";
    bool produtosOk = true;
    std::string erroProdutos = "Erro : falha de conexão";
    bool erpDevolveProdutos = true;
    std::vector<ProdutoCarga> produtos;
    std::string ultimaSincronia = "Data da ultima sicronização : 11/12/2026 09:05:03";
    std::string sqlRecebido;
    std::string colunaRecebida;
    int tag = -1;

    void ZerarTagStatus() override {
        anotar("ZerarTagStatus");
        tag = 0;
    }
    int TagStatus() override { return tag; }
    void LimparStatus() override { anotar("LimparStatus"); }
    bool UsuarioCarregado() override { return usuarioCarregado; }
    void paramentrosInicias() override { anotar("paramentrosInicias"); }
    bool RetornaUsuario(std::string& erro) override {
        anotar("RetornaUsuario");
        if (!loginAceito)
            erro = erroLogin;
        return loginAceito;
    }
    bool GetDadosProdutos(std::string& erro) override {
        anotar("GetDados");
        if (!produtosOk) {
            erro = erroProdutos;
            return false;
        }
        if (erpDevolveProdutos)
            tag = 10;
        return true;
    }
    void StatusdConfiguracaoInicial(const std::string& LoStatus) override {
        anotar("StatusdConfiguracaoInicial " + LoStatus);
    }
    std::vector<ProdutoCarga> ConsultarProdutos(const std::string& sql,
                                                const std::string& colunaCodigo) override {
        anotar("ConsultarProdutos");
        sqlRecebido = sql;
        colunaRecebida = colunaCodigo;
        return produtos;
    }
    bool PostUltimaSincronia(std::string& erro) override {
        anotar("PostUltimaSincronia");
        erro = "ignorado";
        return false;
    }
    std::string GetUltimaSincronia() override {
        anotar("GetUltimaSincronia");
        return ultimaSincronia;
    }

    void anotar(const std::string& chamada) {
        std::lock_guard<std::mutex> lock(mutex_);
        chamadas.push_back(chamada);
    }

private:
    std::mutex mutex_;
};

} // namespace mvf::test
