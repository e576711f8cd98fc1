#pragma once

#include "core/Currency.h"
#include "scaleload/TCargaBal.h"

#include <functional>
#include <string>
#include <vector>

namespace mvf {

// The columns of one PRODUTO row that a load item is made from, as text, as the product query
// gives them; the code is the text of the chosen code column.
struct ProdutoCarga {
    std::string codigo;
    std::string descricao;
    std::string unidade;
    Currency valor;
    std::string codFab;
};

// Reads a product from a row through a column reader (names matched without case by the
// reader; NULL reads as ""). VALOR is decimal text (a dot or a comma before the decimals).
ProdutoCarga ProdutoCargaDaLinha(const std::function<std::string(const std::string& coluna)>& coluna,
                                 const std::string& colunaCodigo);

// Fills a new load item from a product: sale type from the unit, code, shelf life and clean
// description, price, tare from the manufacturer-code field, key, recipe and department.
// A code that is not a whole number, or a tare that is not a number, raises
// std::invalid_argument naming the product.
void PreencherItemCarga(TCargaBalItem& item, const ProdutoCarga& produto);

// The load of the products in that order for the model into the folder: the writer's items are
// replaced, the files written, and the Ramuza file adjusted for the Ramuza scales' software.
void GerarCargaProdutos(TCargaBal& carga, int modelo, const std::vector<ProdutoCarga>& produtos,
                        const std::string& pasta);

} // namespace mvf
