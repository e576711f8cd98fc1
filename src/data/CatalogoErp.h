#pragma once

#include "data/StatusDados.h"

#include <string>

namespace mvf {

class T_dmDados;

// Fetch-and-store of the five catalogue entities.
class CatalogoErp {
public:
    explicit CatalogoErp(T_dmDados& dm) : dm_(dm) {}

    bool Vendedores(StatusDados& Status, std::string& erro);
    bool FormadePagamento(StatusDados& Status, std::string& erro);
    bool Clientes(StatusDados& Status, std::string& erro);
    bool Produtos(StatusDados& Status, std::string& erro);
    bool TabeladePreco(StatusDados& Status, std::string& erro);

    // The body of the POST requests: identificacao, configuracaoinicial, empresacodigo.
    static std::string CorpoComum();

private:
    T_dmDados& dm_;
};

} // namespace mvf
