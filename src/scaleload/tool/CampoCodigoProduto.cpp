#include "scaleload/tool/CampoCodigoProduto.h"

#include <stdexcept>

namespace mvf {

std::string CampoCodigoProduto(int indice) {
    switch (indice) {
    case 0:
        return "COD_ORIG";
    case 1:
        return "ID";
    case 2:
        return "COD_FAB";
    default:
        return {};
    }
}

std::string ConsultaProdutosCarga(const std::string& coluna) {
    if (coluna.empty())
        throw std::invalid_argument(
            "Campo do código do produto inválido: escolha o \"Campo\" na configuração da "
            "balança e salve.");
    return "SELECT * FROM PRODUTO WHERE Ativo='S' AND  " + coluna + " <>'' ORDER by " + coluna + " desc ";
}

} // namespace mvf
