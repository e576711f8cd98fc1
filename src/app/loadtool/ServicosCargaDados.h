#pragma once

#include "app/loadtool/ServicosCarga.h"

#include <atomic>
#include <functional>

namespace mvf {

class T_dmDados;

// The load runs' data operations on the data module. The status caption and the log page are
// reached through callbacks that are safe from any thread.
class ServicosCargaDados : public ServicosCarga {
public:
    struct Ligacoes {
        std::function<void()> paramentrosInicias;
        std::function<void(const std::string& texto)> TextoStatus;
        std::function<void(const std::string& linha)> LinhaLog;
    };

    ServicosCargaDados(T_dmDados& dados, Ligacoes ligacoes);

    void ZerarTagStatus() override { tag_.store(0); }
    int TagStatus() override { return tag_.load(); }
    void LimparStatus() override;
    bool UsuarioCarregado() override;
    void paramentrosInicias() override;
    bool RetornaUsuario(std::string& erro) override;
    bool GetDadosProdutos(std::string& erro) override;
    void StatusdConfiguracaoInicial(const std::string& LoStatus) override;
    std::vector<ProdutoCarga> ConsultarProdutos(const std::string& sql,
                                                const std::string& colunaCodigo) override;
    bool PostUltimaSincronia(std::string& erro) override;
    std::string GetUltimaSincronia() override;

private:
    T_dmDados& dados_;
    Ligacoes ligacoes_;
    std::atomic<int> tag_{0};
};

} // namespace mvf
