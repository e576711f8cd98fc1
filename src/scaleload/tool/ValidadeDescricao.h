#pragma once

#include <string>

namespace mvf {

// Shops write the shelf life at the end of a product's description ("QUEIJO MINAS VC15"): the
// last word, when it starts with VC in any case, gives the days; anything else gives 0.
int ExtrairDiasValidade(const std::string& descricao);

// Removes the last word of the description (split at every single blank) when it starts with
// the prefix, in any case, and returns it; otherwise leaves the description and returns "".
std::string RetirarValidadeDescricao(std::string& descricao, const std::string& prefixo);

} // namespace mvf
