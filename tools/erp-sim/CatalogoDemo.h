#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace erpsim {

// The demo company's catalogue, the same on every start.
struct CatalogoDemo {
    static nlohmann::json vendedores();
    static nlohmann::json formasPagamento();
    static nlohmann::json clientes();
    // quantidade products with realistic descriptions, units, barcodes, tares and prices.
    static nlohmann::json produtos(int quantidade);
    static nlohmann::json tabelasDePreco(int quantidadeProdutos);
};

} // namespace erpsim
