#pragma once

#include "RoteiroSimulador.h"
#include "scale/TBalancaModelo.h"

#include <string>

namespace mvf::sim {

// What the program sends to ask a scale of this model for its weight; empty for the models that
// transmit on their own.
std::string PedidoDoModelo(TBalancaModelo modelo);

// The bytes a scale of this model answers for a step. decimal is the separator the client's
// locale uses, for the few models that read numbers without replacing separators. Weights are
// sent in the model's own units: the Toledo 9091 family answers grams, and so reads as grams.
std::string RespostaDoModelo(TBalancaModelo modelo, const Passo& passo, char decimal = ',');

} // namespace mvf::sim
