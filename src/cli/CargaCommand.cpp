#include "cli/Commands.h"

#include <iostream>

namespace mvf::cli {

int runCarga(const std::vector<std::string>&) {
    std::cerr << "mvf carga: ainda não disponível\n";
    return 2;
}

} // namespace mvf::cli
