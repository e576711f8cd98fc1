#pragma once

#include <string>

namespace mvf {

// The PRODUTO column that gives the item code for the "Campo" choice: 0 COD_ORIG, 1 ID,
// 2 COD_FAB; any other index gives "".
std::string CampoCodigoProduto(int indice);

// The load tool's product query for that column: active products with a code, highest code
// first. Refuses an empty column name, which would make the statement invalid.
std::string ConsultaProdutosCarga(const std::string& coluna);

} // namespace mvf
