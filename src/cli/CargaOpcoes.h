#pragma once

#include "scaleload/TCargaBal.h"

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace mvf::cli {

class BarraProgresso;

// Bad command-line use: the message is printed with the usage text and the command exits with 2.
struct UsoInvalido {
    std::string mensagem;
};

// "--nome valor" and "--nome=valor" pairs; unknown, repeated or missing options are UsoInvalido.
std::map<std::string, std::string> lerOpcoes(const std::vector<std::string>& args,
                                             std::initializer_list<const char*> conhecidas,
                                             std::initializer_list<const char*> obrigatorias);

// A model by ordinal (0 to 10) or by name.
std::optional<TCargaBalModelo> modeloDe(const std::string& texto);

// A single printable ASCII character given for the option.
char separadorDe(const std::string& opcao, const std::string& texto);

// Draws the bar while the load runs, when stderr is a terminal.
void mostrarProgresso(TCargaBal& carga, BarraProgresso& barra);

// The written files as full paths, whatever form the folder was given in.
void imprimirArquivos(const TCargaBal& carga);

} // namespace mvf::cli
